#include "qt/waiting_button.h"

#include <QApplication>
#include <QPalette>

namespace fournil::qt {

void WaitingButton::setWaiting(const QString& why) {
    if (why == why_) {
        return;
    }
    why_ = why;
    setAccessibleDescription(why);
    setToolTip(why);
    if (why.isEmpty()) {
        setPalette(QPalette());  // the style's own again
        return;
    }
    // The colours of a disabled button, whatever the style, while it keeps the focus it takes.
    QPalette greyed = QApplication::palette(this);
    for (const QPalette::ColorRole role :
         {QPalette::ButtonText, QPalette::Button, QPalette::WindowText, QPalette::Text}) {
        const QColor disabled = greyed.color(QPalette::Disabled, role);
        greyed.setColor(QPalette::Active, role, disabled);
        greyed.setColor(QPalette::Inactive, role, disabled);
    }
    setPalette(greyed);
}

}  // namespace fournil::qt

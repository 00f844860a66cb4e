#include "qt/placement.h"

#include <QScreen>

#include <algorithm>

namespace fournil::qt {

void showBeside(QWidget& dialog, const QWidget& window) {
    const QRect frame = window.frameGeometry();
    dialog.adjustSize();
    QPoint at(frame.right() + 8, frame.top());
    if (const QScreen* screen = window.screen()) {
        const QRect area = screen->availableGeometry();
        if (at.x() + dialog.width() > area.right()) {
            at.setX(std::max(area.left(), frame.left() - dialog.width() - 8));
        }
        at.setY(
            std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() - dialog.height())));
    }
    dialog.move(at);
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

}  // namespace fournil::qt

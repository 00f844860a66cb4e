#include "qt/menu_focus.h"

#include <QEvent>
#include <QMenu>
#include <QPointer>
#include <QTimer>

namespace fournil::qt {

namespace {

class MenuWatcher : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* menu = qobject_cast<QMenu*>(watched)) {
                // After the show: Qt clears the highlight of a menu that is being shown.
                QTimer::singleShot(0, menu, [menu = QPointer<QMenu>(menu)] {
                    if (menu != nullptr && menu->isVisible() && menu->activeAction() == nullptr) {
                        for (QAction* a : menu->actions()) {
                            if (a->isEnabled() && a->isVisible() && !a->isSeparator()) {
                                menu->setActiveAction(a);
                                break;
                            }
                        }
                    }
                });
            }
        }
        return false;
    }
};

}  // namespace

void highlightOpeningMenus(QObject* application) {
    static bool installed = false;
    if (!installed && application != nullptr) {
        application->installEventFilter(new MenuWatcher(application));
        installed = true;
    }
}

}  // namespace fournil::qt

#include "session.h"

#include "qt/platform_qt.h"
#include "qt/view.h"
#include "qt/widget_reading.h"
#include "window/binding.h"
#include "window/startup.h"
#include "window/user_events.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

namespace fournil::replay {
namespace {

class WidgetSession : public Session {
  public:
    explicit WidgetSession(const SessionSettings& settings)
        : display_(settings.screen), platform_{files_, display_, pictures_} {
        window_.setLocale(settings.locale);
        view_ = std::make_unique<qt::FournilView>(window_);
        bindHandlers(window_, platform_);
        openWindow(window_);
        view_->show();
        view_->activateWindow();
        if (!QTest::qWaitForWindowActive(view_.get())) {
            throw std::runtime_error("the window did not become active");
        }
    }

    Window& window() override { return window_; }

    void set(TextBox& box, const QString& text) override {
        QLineEdit* edit = takeFocus(box);
        if (edit == nullptr) {
            return;
        }
        // A paste over the whole text: Qt treats it as the user's edit, validator included.
        edit->selectAll();
        edit->insert(text);
        settle();
    }

    void type(TextBox& box, const QString& text) override {
        QLineEdit* edit = takeFocus(box);
        if (edit == nullptr) {
            return;
        }
        QTest::keyClick(edit, Qt::Key_End);
        for (const QString& character : typedCharacters(text)) {
            QWidget* target = QApplication::focusWidget();
            if (target == nullptr) {
                break;
            }
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, character);
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, character);
            QApplication::sendEvent(target, &press);
            QApplication::sendEvent(target, &release);
            settle();
        }
    }

    void click(Control& control) override {
        QWidget* widget = view_->widgetOf(control);
        if (!widget->isVisible()) {
            return;
        }
        // A radio button is clicked on its indicator, anything else in its middle.
        const QPoint at = control.kind() == Kind::OptionButton ? QPoint(6, widget->height() / 2)
                                                               : widget->rect().center();
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
        settle();
    }

    void hover(Control& control) override {
        QWidget* widget = view_->widgetOf(control);
        if (!widget->isVisible()) {
            return;
        }
        // Through the window, as the system delivers it; the bare window is its top-left corner.
        const QPoint at = &control == &window_.Fournil
                              ? QPoint(2, 2)
                              : widget->mapTo(view_.get(), visiblePoint(control));
        QTest::mouseMove(view_->windowHandle(), at);
        settle();
    }

    std::optional<PropValue> read(const Control& control, QStringView property) override {
        return qt::readWidget(*view_, control, property);
    }

    bool saveScreenshot(const QString& path) override {
        settle();
        return view_->grab().save(path);
    }

  private:
    // A point of the control's widget where no other control lies in front of it: its middle
    // when that shows, else the nearest such point.
    QPoint visiblePoint(const Control& control) const {
        QWidget* widget = view_->widgetOf(control);
        const QPoint centre = widget->rect().center();
        QPoint best = centre;
        int bestDistance = -1;
        for (int y = 0; y < widget->height(); y += 2) {
            for (int x = 0; x < widget->width(); x += 2) {
                const QPoint p(x, y);
                if (owner(widget->mapTo(view_.get(), p)) != &control) {
                    continue;
                }
                const int distance = (p - centre).manhattanLength();
                if (bestDistance < 0 || distance < bestDistance) {
                    best = p;
                    bestDistance = distance;
                }
            }
        }
        return best;
    }

    const Control* owner(QPoint inView) const {
        for (QWidget* w = view_->childAt(inView); w != nullptr; w = w->parentWidget()) {
            if (const Control* c = view_->controlOf(w)) {
                return c;
            }
        }
        return nullptr;
    }

    QLineEdit* takeFocus(TextBox& box) {
        auto* edit = static_cast<QLineEdit*>(view_->widgetOf(box));
        if (!edit->isVisible() || !edit->isEnabled()) {
            return nullptr;
        }
        edit->setFocus(Qt::MouseFocusReason);
        settle();
        return edit->hasFocus() ? edit : nullptr;
    }

    static void settle() { QCoreApplication::processEvents(); }

    SystemFileSystem files_;
    ScriptedDisplay display_;
    qt::QtPictureLoader pictures_;
    Platform platform_;
    Window window_;
    std::unique_ptr<qt::FournilView> view_;
};

}  // namespace

std::unique_ptr<Session> makeWidgetSession(const SessionSettings& settings) {
    return std::make_unique<WidgetSession>(settings);
}

}  // namespace fournil::replay

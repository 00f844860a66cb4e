#include "session.h"

#include "qt/keys.h"
#include "qt/platform_qt.h"
#include "qt/view.h"
#include "readback.h"
#include "window/startup.h"
#include "window/user_events.h"
#include "wiring/binding.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <optional>

namespace fournil::replay {
namespace {

class WidgetSession : public Session {
  public:
    explicit WidgetSession(const SessionSettings& settings)
        : display_(settings.screen), platform_{files_, display_, pictures_} {
        window_.setCounters(&counters_);
        window_.setLocale(settings.locale);
        // Each session starts as a run of its own does: nothing on the clipboard.
        QGuiApplication::clipboard()->clear();
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
        press(text);
    }

    void press(const QString& text) override {
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
        // A radio button is clicked on its indicator, a box just after its text (where the caret
        // goes to the end), anything else in its middle; the pointer gets there first.
        QPoint at = widget->rect().center();
        if (control.kind() == Kind::Window) {
            at = QPoint(2, 2);  // the bare window, as for a hover
        } else if (control.kind() == Kind::OptionButton) {
            at = QPoint(6, widget->height() / 2);
        } else if (control.kind() == Kind::TextBox) {
            at = QPoint(widget->width() - 4, widget->height() / 2);
        }
        at = visiblePoint(control, at);
        moveTo(control, widget->mapTo(view_.get(), at));
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
        settle();
        auto* edit = qobject_cast<QLineEdit*>(widget);
        if (edit != nullptr && edit->hasFocus() && edit->cursorPosition() != edit->text().size()) {
            // A text longer than the box scrolls under the click: the End key finishes the job.
            QTest::keyClick(edit, Qt::Key_End);
            settle();
        }
    }

    void hover(Control& control) override {
        QWidget* widget = view_->widgetOf(control);
        if (!widget->isVisible()) {
            return;
        }
        // Through the window, as the system delivers it; the bare window is its top-left corner.
        const QPoint at =
            &control == &window_.Fournil
                ? QPoint(2, 2)
                : widget->mapTo(view_.get(), visiblePoint(control, widget->rect().center()));
        moveTo(control, at);
    }

    void select(TextBox& box, int anchor, int caret) override {
        QLineEdit* edit = takeFocus(box);
        if (edit == nullptr) {
            return;
        }
        // As a drag of the mouse leaves it: the caret where the drag ends.
        const int size = int(edit->text().size());
        anchor = std::clamp(anchor, 0, size);
        caret = std::clamp(caret, 0, size);
        edit->setCursorPosition(anchor);
        edit->cursorForward(true, caret - anchor);
        settle();
    }

    void key(const events::Stroke& stroke) override {
        // The key the scenario named, or else the key's own press or the action's first keys.
        QKeyCombination press = stroke.press;
        if (press.key() == Qt::Key_unknown) {
            press = stroke.key ? qt::keyPress(*stroke.key) : qt::actionKeys(*stroke.action)[0][0];
        }
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target != nullptr ? target : view_.get(), press.key(),
                        press.keyboardModifiers());
        settle();
    }

    void paste(const QString& text) override {
        QClipboard* clipboard = QGuiApplication::clipboard();
        const QString before = clipboard->text();
        clipboard->setText(text);
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target != nullptr ? target : view_.get(), Qt::Key_V, Qt::ControlModifier);
        settle();
        clipboard->setText(before);
    }

    std::optional<PropValue> read(const Control& control, QStringView property) override {
        return readWidget(*view_, control, property);
    }

    // What the system's clipboard holds, not what the model last put there.
    std::optional<PropValue> readValue(QStringView name) override {
        if (name == u"Clipboard") {
            return PropValue::ofText(QGuiApplication::clipboard()->text());
        }
        return readWindowValue(window_, name);
    }

    bool saveScreenshot(const QString& path) override {
        settle();
        return view_->grab().save(path);
    }

  private:
    // Moves the pointer over the control. Qt drops a move to where the pointer already rests, so
    // a second hover at the same point passes through a neighbouring point of the same control
    // first. The pointer is the application's, shared by every window of this run.
    void moveTo(const Control& control, QPoint inView) {
        const QPoint global = view_->mapToGlobal(inView);
        if (lastPointer() == global) {
            for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                if (owner(inView + step) == &control) {
                    QTest::mouseMove(view_->windowHandle(), inView + step);
                    settle();
                    break;
                }
            }
        }
        QTest::mouseMove(view_->windowHandle(), inView);
        lastPointer() = global;
        settle();
    }

    static std::optional<QPoint>& lastPointer() {
        static std::optional<QPoint> pointer;
        return pointer;
    }

    // A point of the control's widget where no other control lies in front of it: `wanted` when
    // that shows, else the nearest such point.
    QPoint visiblePoint(const Control& control, QPoint wanted) const {
        QWidget* widget = view_->widgetOf(control);
        const QPoint centre = wanted;
        if (owner(widget->mapTo(view_.get(), wanted)) == &control) {
            return wanted;
        }
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

    // The control under a point of the window: the bare window where no child lies.
    const Control* owner(QPoint inView) const {
        for (QWidget* w = view_->childAt(inView); w != nullptr; w = w->parentWidget()) {
            if (const Control* c = controlOfWidget(*view_, w)) {
                return c;
            }
        }
        return &window_.Fournil;
    }

    QLineEdit* takeFocus(TextBox& box) {
        auto* edit = static_cast<QLineEdit*>(view_->widgetOf(box));
        if (!edit->isVisible() || !edit->isEnabled() || edit->isReadOnly()) {
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

#include "qt/view.h"

#include "window/user_events.h"
#include "wiring/actions.h"

#include <QApplication>
#include <QClipboard>

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWindow>
#include <algorithm>

// Forwarding: the user's edits, keys and mouse moves go to the model as its user events.

namespace fournil::qt {
namespace {

std::optional<Key> modelKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    switch (event.key()) {
        case Qt::Key_Tab:
            if (modifiers == Qt::NoModifier) {
                return Key::Tab;
            }
            return modifiers == Qt::ShiftModifier ? std::optional(Key::Backtab) : std::nullopt;
        case Qt::Key_Backtab:
            return modifiers == Qt::ShiftModifier || modifiers == Qt::NoModifier
                       ? std::optional(Key::Backtab)
                       : std::nullopt;
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
            if (modifiers != Qt::NoModifier) {
                return std::nullopt;  // Shift and Ctrl keep selecting and moving by words
            }
            return event.key() == Qt::Key_Up     ? Key::Up
                   : event.key() == Qt::Key_Down ? Key::Down
                   : event.key() == Qt::Key_Left ? Key::Left
                                                 : Key::Right;
        case Qt::Key_Space:
            return modifiers == Qt::NoModifier ? std::optional(Key::Space) : std::nullopt;
        case Qt::Key_Backspace:
            return modifiers == Qt::NoModifier ? std::optional(Key::Backspace) : std::nullopt;
        case Qt::Key_Delete:
            return modifiers == Qt::NoModifier ? std::optional(Key::Delete) : std::nullopt;
        case Qt::Key_Period:
        case Qt::Key_Comma:  // the keypad's decimal key is one or the other, by keyboard layout
            return keypad && modifiers == Qt::NoModifier ? std::optional(Key::KeypadDecimal)
                                                         : std::nullopt;
        default:
            return std::nullopt;
    }
}

}  // namespace

void FournilView::forwardEdit(TextBox& box, const QString& text) {
    auto* edit = static_cast<QLineEdit*>(widgetOf(box));
    userEdit(box, text, edit->cursorPosition());  // the typing limit is already applied
}

bool FournilView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove && watched == windowHandle()) {
        forwardMouseMove(event);
    } else if (event->type() == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton &&
               QGuiApplication::clipboard()->supportsSelection()) {
        // The X11 selection pasted with the middle button, cut as any paste.
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (edit != nullptr && edit->window() == this) {
            pasteInto(edit, QGuiApplication::clipboard()->text(QClipboard::Selection));
            return true;
        }
    } else if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const auto* widget = qobject_cast<QWidget*>(watched);
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        if (widget != nullptr && widget->window() == this) {
            // Taken before Qt's own handling: a field would copy by itself, a button click on
            // Space. The release goes too, so that no button clicks on it.
            const bool press = event->type() == QEvent::KeyPress;
            if (QAction* action = actionForKey(*keyEvent)) {
                refreshActions();  // an undo made possible by the last event counts at once
                if (press && action->isEnabled()) {
                    action->trigger();
                }
                return true;
            }
            auto* edit = qobject_cast<QLineEdit*>(watched);
            if (edit != nullptr && keyEvent->matches(QKeySequence::Paste)) {
                if (press) {
                    pasteInto(edit, QGuiApplication::clipboard()->text());
                }
                return true;
            }
            if (const auto key = modelKey(*keyEvent)) {
                if (press) {
                    userKey(model_, *key);
                }
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FournilView::pasteInto(QLineEdit* edit, const QString& text) {
    // The model cuts the paste to what fits before any of it reaches the line edit: a paste of
    // megabytes would otherwise be laid out, kept for the line edit's own undo and validated
    // whole first.
    const auto it = controls_.find(edit);
    if (it == controls_.end()) {
        return;
    }
    model_.setFocus(it->second);  // a middle click pastes into the box under the pointer
    if (model_.focus() == it->second) {
        userPasteAtCaret(model_, text);
    }
}

void FournilView::forwardMouseMove(QEvent* event) {
    const auto* move = static_cast<QMouseEvent*>(event);
    const QPoint at = mapFromGlobal(move->globalPosition().toPoint());
    QWidget* widget = childAt(at);
    // Climb from a widget's inner parts (a frame's title, a box's buttons) to its control.
    while (widget != nullptr && controls_.count(widget) == 0) {
        widget = widget->parentWidget();
    }
    Control* control = widget != nullptr ? controls_.at(widget) : &model_.Fournil;
    userHover(*control);
}

}  // namespace fournil::qt

#include "qt/view.h"

#include "qt/action_controller.h"
#include "window/user_events.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWindow>

// Forwarding: the user's edits, selections, pastes and mouse moves go to the model as its user
// events; the keys go through the action controller.

namespace fournil::qt {

void FournilView::forwardEdit(TextBox& box, const QString& text) {
    auto* edit = static_cast<QLineEdit*>(widgetOf(box));
    userEdit(box, text, edit->cursorPosition());  // the typing limit is already applied
}

void FournilView::forwardSelection(TextBox& box, const QLineEdit& edit) {
    if (!box.reachable()) {
        applyText(box);  // a result's caret stays where the model keeps it
        return;
    }
    const int caret = edit.cursorPosition();
    int anchor = caret;
    if (edit.hasSelectedText()) {
        const int start = edit.selectionStart();
        anchor = caret == start ? start + edit.selectionLength() : start;
    }
    userSelect(box, anchor, caret);
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
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget->window() == this &&
            controller_->routeKey(widget, *static_cast<QKeyEvent*>(event))) {
            return true;
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

#include "qt/action_controller.h"

#include "qt/keys.h"
#include "qt/notebook_dialog.h"
#include "qt/scaled_style.h"
#include "qt/view.h"
#include "window/user_events.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

#include <memory>

// The actions' own handlers in the view are in action_handlers.cpp.

namespace fournil::qt {

ActionController::ActionController(FournilView& view)
    : QObject(&view), view_(view), model_(view.model()) {
    for (const Action& row : fournil::actions()) {
        auto* action = new QAction(&view);
        action->setObjectName(row.name.toString());
        if (row.label != nullptr) {
            action->setText(QString::fromUtf16(row.label));
        }
        action->setShortcuts(actionKeys(row));
        // The keys reach the actions through routeKey, never through Qt's shortcut map, where a
        // field would claim Ctrl+C for itself.
        action->setShortcutContext(Qt::WidgetShortcut);
        action->setShortcutVisibleInContextMenu(true);
        connect(action, &QAction::triggered, this, [this, &row] { trigger(row); });
        actions_.push_back(action);
    }
    refresh();
}

QAction* ActionController::qAction(const Action& row) const {
    return actions_[std::size_t(&row - fournil::actions().data())];
}

void ActionController::refresh() {
    for (const Action& row : fournil::actions()) {
        if (row.id == ActionId::Resume) {
            continue;  // read from its file only when the menu opens
        }
        QAction* action = qAction(row);
        action->setEnabled(actionEnabled(model_, row));
        // A disabled entry says why: menus show tooltips, a screen reader reads the status tip.
        action->setToolTip(whyDisabled(model_, row));
        action->setStatusTip(whyDisabled(model_, row));
    }
}

void ActionController::trigger(const Action& row) {
    if (row.run != nullptr) {
        runAction(model_, row);
    } else if (row.view != nullptr) {
        (this->*row.view)();
    }
}

bool ActionController::routeKey(QWidget* target, const QKeyEvent& event) {
    // Taken before Qt's own handling: a field would copy by itself, a button click on Space. The
    // release goes too, so that no button clicks on it.
    const bool press = event.type() == QEvent::KeyPress;
    const KeyMeaning meaning = keyMeaning(event.keyCombination());
    if (meaning.action != nullptr) {
        refresh();  // an undo made possible by the last event counts at once
        QAction* action = qAction(*meaning.action);
        if (press && action->isEnabled()) {
            action->trigger();
        } else if (press) {
            runAction(model_, *meaning.action);  // says why, where it can
        }
        return true;
    }
    auto* edit = qobject_cast<QLineEdit*>(target);
    if (edit != nullptr && meaning.paste) {
        if (press) {
            view_.pasteInto(edit, QGuiApplication::clipboard()->text());
        }
        return true;
    }
    if (meaning.key) {
        if (press) {
            userKey(model_, *meaning.key);
        }
        return true;
    }
    return false;
}

void ActionController::showWindowMenu(const QPoint& at) {
    refresh();
    qAction(action(ActionId::Resume))->setEnabled(savedCalculation().has_value());
    tellNotebookOpening();
    QMenu menu(&view_);
    menu.setToolTipsVisible(true);
    MenuStyle style;
    menu.setStyle(&style);
    for (const Action& row : fournil::actions()) {
        if (row.label != nullptr) {
            if (row.separated) {
                menu.addSeparator();
            }
            menu.addAction(qAction(row));
        }
    }
    menu.exec(at);
}

void ActionController::showFieldMenu(QLineEdit* edit, const QPoint& at) {
    // The field's own menu, but its "Annuler" and "Rétablir" are the calculation's: the program
    // rewrites the fields, so the line edit's own history would be empty or wrong.
    refresh();
    std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    const QList<QAction*> entries = menu->actions();
    for (const ActionId id : {ActionId::Undo, ActionId::Redo}) {
        const QString name =
            id == ActionId::Undo ? QStringLiteral("edit-undo") : QStringLiteral("edit-redo");
        QAction* entry = nullptr;
        for (QAction* candidate : entries) {
            if (candidate->objectName() == name) {
                entry = candidate;
            }
        }
        if (entry == nullptr && !edit->isReadOnly() && entries.size() > 2) {
            entry = entries[id == ActionId::Undo ? 0 : 1];  // where Qt puts them
        }
        if (entry != nullptr) {
            QAction* action = qAction(fournil::action(id));
            disconnect(entry, &QAction::triggered, nullptr, nullptr);
            entry->setEnabled(action->isEnabled());
            connect(entry, &QAction::triggered, action, &QAction::trigger);
        }
    }
    for (QAction* entry : entries) {
        if (entry->objectName() == u"edit-paste") {
            disconnect(entry, &QAction::triggered, nullptr, nullptr);
            connect(entry, &QAction::triggered, this,
                    [this, edit] { view_.pasteInto(edit, QGuiApplication::clipboard()->text()); });
        }
    }
    menu->exec(edit->mapToGlobal(at));
}

}  // namespace fournil::qt

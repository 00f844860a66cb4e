#include "qt/view.h"

#include "qt/platform_qt.h"
#include "qt/recipe_card.h"
#include "qt/recipe_dialog.h"
#include "wiring/actions.h"
#include "wiring/last_calculation.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>

#include <algorithm>
#include <memory>

// The window's actions and its menu, built from the table of actions.

namespace fournil::qt {

void FournilView::buildActions() {
    for (const Action& row : fournil::actions()) {
        auto* action = new QAction(this);
        action->setObjectName(row.name.toString());
        if (row.label != nullptr) {
            action->setText(QString::fromUtf16(row.label));
        }
        QList<QKeySequence> keys;
        for (QStringView k : row.keys) {
            if (!k.isEmpty()) {
                keys << QKeySequence::fromString(k.toString(), QKeySequence::PortableText);
            }
        }
        action->setShortcuts(keys);
        // The keys reach the actions through the view's own key handling (view_input.cpp), never
        // through Qt's shortcut map, where a field would claim Ctrl+C for itself.
        action->setShortcutContext(Qt::WidgetShortcut);
        action->setShortcutVisibleInContextMenu(true);
        connect(action, &QAction::triggered, this, [this, &row] { trigger(row); });
        actions_.push_back({&row, action});
    }
    refreshActions();
}

void FournilView::refreshActions() {
    for (const auto& [row, action] : actions_) {
        if (row->id == ActionId::Resume) {
            continue;  // read from its file only when the menu opens
        }
        action->setEnabled(actionEnabled(model_, *row));
        // A disabled entry says why; menus show tooltips.
        action->setToolTip(whyDisabled(model_, *row));
    }
}

void FournilView::openRecipe() {
    if (!actionEnabled(model_, action(ActionId::Recipe))) {
        return;
    }
    if (recipe_ == nullptr) {
        recipe_ = new RecipeDialog(model_, this);
    }
    recipe_->load();
    // Beside the window, where it hides none of the sentence, and on the screen.
    const QRect frame = frameGeometry();
    recipe_->adjustSize();
    QPoint at(frame.right() + 8, frame.top());
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        if (at.x() + recipe_->width() > area.right()) {
            at.setX(std::max(area.left(), frame.left() - recipe_->width() - 8));
        }
        at.setY(std::clamp(at.y(), area.top(),
                           std::max(area.top(), area.bottom() - recipe_->height())));
    }
    recipe_->move(at);
    recipe_->show();
    recipe_->raise();
    recipe_->activateWindow();
}

std::optional<QByteArray> FournilView::savedCalculation() const {
    if (store_ == nullptr) {
        return std::nullopt;
    }
    std::optional<QByteArray> saved = store_->load();
    return saved && canResume(*saved) ? saved : std::nullopt;
}

void FournilView::closeEvent(QCloseEvent* event) {
    if (store_ != nullptr) {
        store_->save(saveCalculation(model_));
    }
    QWidget::closeEvent(event);
}

void FournilView::trigger(const Action& row) {
    if (row.run != nullptr) {
        runAction(model_, row);
        return;
    }
    switch (row.id) {
        case ActionId::Print:
            printCard();
            break;
        case ActionId::Recipe:
            openRecipe();
            break;
        case ActionId::Close:
            close();
            break;
        case ActionId::Resume:
            if (const auto saved = savedCalculation()) {
                resumeCalculation(model_, *saved);
            }
            break;
        case ActionId::ZoomIn:
            setZoom(zoom_ * 1.25);
            break;
        case ActionId::ZoomOut:
            setZoom(zoom_ / 1.25);
            break;
        case ActionId::ZoomReset:
            setZoom(1.0);
            break;
        case ActionId::About:
            QMessageBox::about(
                this, QStringLiteral("À propos de Fournil"),
                QStringLiteral(
                    "<p><b>Fournil %1</b></p><p>Calcule l'hydratation d'une pâte ou d'un "
                    "levain, l'eau de coulage à la bonne température et la correction "
                    "d'une recette à la levure.</p><p>Logiciel libre sous licence "
                    "MIT.</p><p>Construit avec Qt %2.</p>")
                    .arg(QStringLiteral(FOURNIL_VERSION), QString::fromLatin1(qVersion())));
            break;
        case ActionId::AboutQt:
            QMessageBox::aboutQt(this, QStringLiteral("À propos de Qt"));
            break;
        default:
            break;
    }
}

QAction* FournilView::actionForKey(const QKeyEvent& event) const {
    // The keypad's keys count as the others; a sign that takes Shift on the keyboard ("+" on
    // most layouts) counts without it.
    Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    const int key = event.key();
    const bool letter = key >= Qt::Key_A && key <= Qt::Key_Z;
    const QKeySequence pressed(QKeyCombination(modifiers, Qt::Key(key)));
    const QKeySequence unshifted(QKeyCombination(modifiers & ~Qt::ShiftModifier, Qt::Key(key)));
    for (const auto& [row, action] : actions_) {
        for (const QKeySequence& keys : action->shortcuts()) {
            if (keys == pressed || (!letter && keys == unshifted)) {
                return action;
            }
        }
    }
    return nullptr;
}

void FournilView::contextMenuEvent(QContextMenuEvent* event) {
    // On the background and the labels; the fields keep their own edit menu.
    refreshActions();
    for (const auto& [row, action] : actions_) {
        if (row->id == ActionId::Resume) {
            action->setEnabled(savedCalculation().has_value());
        }
    }
    QMenu menu(this);
    menu.setToolTipsVisible(true);
    for (const auto& [row, action] : actions_) {
        if (row->label != nullptr) {
            if (row->separated) {
                menu.addSeparator();
            }
            menu.addAction(action);
        }
    }
    menu.exec(event->globalPos());
}

void FournilView::showFieldMenu(QLineEdit* edit, const QPoint& at) {
    // The field's own menu, but its "Annuler" and "Rétablir" are the calculation's: the program
    // rewrites the fields, so the line edit's own history would be empty or wrong.
    refreshActions();
    std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    const QList<QAction*> entries = menu->actions();
    for (const auto& [row, action] : actions_) {
        if (row->id != ActionId::Undo && row->id != ActionId::Redo) {
            continue;
        }
        const QString name =
            row->id == ActionId::Undo ? QStringLiteral("edit-undo") : QStringLiteral("edit-redo");
        QAction* entry = nullptr;
        for (QAction* candidate : entries) {
            if (candidate->objectName() == name) {
                entry = candidate;
            }
        }
        if (entry == nullptr && !edit->isReadOnly() && entries.size() > 2) {
            entry = entries[row->id == ActionId::Undo ? 0 : 1];  // where Qt puts them
        }
        if (entry != nullptr) {
            disconnect(entry, &QAction::triggered, nullptr, nullptr);
            entry->setEnabled(action->isEnabled());
            connect(entry, &QAction::triggered, action, &QAction::trigger);
        }
    }
    for (QAction* entry : entries) {
        if (entry->objectName() == u"edit-paste") {
            disconnect(entry, &QAction::triggered, nullptr, nullptr);
            connect(entry, &QAction::triggered, this,
                    [this, edit] { pasteInto(edit, QGuiApplication::clipboard()->text()); });
        }
    }
    menu->exec(edit->mapToGlobal(at));
}

void FournilView::printCard() {
    const auto* picture = dynamic_cast<const QtPicture*>(model_.Image1.picture().get());
    printCardWithDialog(model_, picture != nullptr ? picture->image : QImage(), this);
}

}  // namespace fournil::qt

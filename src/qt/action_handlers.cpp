#include "qt/action_controller.h"

#include "qt/base_dialog.h"
#include "qt/platform_qt.h"
#include "qt/recipe_card.h"
#include "qt/recipe_dialog.h"
#include "qt/view.h"
#include "wiring/last_calculation.h"

#include <QMessageBox>
#include <QScreen>

#include <algorithm>

// What the view does itself for the actions with no effect on the model, each named by its row
// of the table of actions.

namespace fournil::qt {

void ActionController::answerChanged() {
    if (recipe_ != nullptr) {
        recipe_->refresh();
    }
    if (base_ != nullptr) {
        base_->refresh();
    }
}

std::optional<QByteArray> ActionController::savedCalculation() const {
    if (store_ == nullptr) {
        return std::nullopt;
    }
    std::optional<QByteArray> saved = store_->load();
    return saved && canResume(*saved) ? saved : std::nullopt;
}

void ActionController::print() {
    const auto* picture = dynamic_cast<const QtPicture*>(model_.Image1.picture().get());
    printCardWithDialog(model_, picture != nullptr ? picture->image : QImage(), &view_);
}

void ActionController::openRecipe() {
    if (!actionEnabled(model_, action(ActionId::Recipe))) {
        return;
    }
    if (recipe_ == nullptr) {
        recipe_ = new RecipeDialog(model_, &view_);
    }
    recipe_->load();
    showBeside(recipe_);
}

void ActionController::openBaseTemperature() {
    if (!actionEnabled(model_, action(ActionId::BaseTemperature))) {
        return;
    }
    if (base_ == nullptr) {
        base_ = new BaseDialog(model_, &view_);
    }
    base_->load();
    showBeside(base_);
}

void ActionController::showBeside(QDialog* dialog) {
    const QRect frame = view_.frameGeometry();
    dialog->adjustSize();
    QPoint at(frame.right() + 8, frame.top());
    if (const QScreen* screen = view_.screen()) {
        const QRect area = screen->availableGeometry();
        if (at.x() + dialog->width() > area.right()) {
            at.setX(std::max(area.left(), frame.left() - dialog->width() - 8));
        }
        at.setY(
            std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() - dialog->height())));
    }
    dialog->move(at);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void ActionController::resume() {
    if (const auto saved = savedCalculation()) {
        resumeCalculation(model_, *saved);
    }
}

void ActionController::zoomIn() {
    view_.setZoom(view_.zoom() * 1.25);
}

void ActionController::zoomOut() {
    view_.setZoom(view_.zoom() / 1.25);
}

void ActionController::zoomReset() {
    view_.setZoom(1.0);
}

void ActionController::about() {
    QMessageBox::about(&view_, QStringLiteral("À propos de Fournil"),
                       QStringLiteral("<p><b>Fournil %1</b></p><p>Calcule l'hydratation d'une "
                                      "pâte ou d'un levain, l'eau de coulage à la bonne "
                                      "température et la correction d'une recette à la "
                                      "levure.</p><p>Logiciel libre sous licence MIT.</p><p>"
                                      "Construit avec Qt %2.</p>")
                           .arg(QStringLiteral(FOURNIL_VERSION), QString::fromLatin1(qVersion())));
}

void ActionController::aboutQt() {
    QMessageBox::aboutQt(&view_, QStringLiteral("À propos de Qt"));
}

void ActionController::closeWindow() {
    view_.close();
}

}  // namespace fournil::qt

#include "qt/action_controller.h"

#include "qt/base_dialog.h"
#include "qt/notebook_dialog.h"
#include "qt/placement.h"
#include "qt/platform_qt.h"
#include "qt/recipe_card.h"
#include "qt/recipe_dialog.h"
#include "qt/view.h"
#include "wiring/last_calculation.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>

#include <algorithm>

// What the view does itself for the actions with no effect on the model, each named by its row
// of the table of actions.

namespace fournil::qt {

void ActionController::answerChanged() {
    // An open dialog follows the sentence; a closed one is filled again as it opens, and says
    // nothing meanwhile.
    if (recipe_ != nullptr && recipe_->isVisible()) {
        recipe_->refresh();
    }
    if (base_ != nullptr && base_->isVisible()) {
        base_->refresh();
    }
}

std::optional<KeptCalculation> ActionController::savedCalculation() const {
    const std::optional<QByteArray> saved = store_ != nullptr ? store_->load() : std::nullopt;
    return saved ? readCalculation(*saved) : std::nullopt;
}

void ActionController::print() {
    const auto* picture = dynamic_cast<const QtPicture*>(model_.Image1.picture().get());
    printCardWithDialog(model_, picture != nullptr ? picture->image : QImage(), &view_);
}

namespace {

// A dialog of the window, made when first asked for, filled from the model and shown beside the
// window with its first field ready to be typed over; nothing where the action is not offered.
template <class Dialog>
void openBeside(Dialog*& dialog, ActionId id, Window& model, QWidget& window) {
    if (!actionEnabled(model, action(id))) {
        return;
    }
    if (dialog == nullptr) {
        dialog = new Dialog(model, &window);
    }
    dialog->load();
    showBeside(*dialog, window, dialog->naturalSize());
    dialog->focusFirstField();
}

}  // namespace

void ActionController::openRecipe() {
    openBeside(recipe_, ActionId::Recipe, model_, view_);
}

void ActionController::openBaseTemperature() {
    openBeside(base_, ActionId::BaseTemperature, model_, view_);
}

void ActionController::resume() {
    const auto saved = savedCalculation();
    tellNotebookOpening();
    if (saved) {
        resumeCalculation(model_, *saved);
    }
}

void ActionController::tellNotebookOpening() {
    if (notebook_ != nullptr) {
        notebook_->tellOpening();
    }
}

ActionController::~ActionController() = default;

void ActionController::setNotebook(SharedNotebook* notebook) {
    notebook_ =
        notebook != nullptr ? std::make_unique<NotebookActions>(model_, view_, *notebook) : nullptr;
}

void ActionController::saveToNotebook() {
    if (notebook_ != nullptr) {
        notebook_->save();
    }
}

void ActionController::openNotebook() {
    if (notebook_ != nullptr) {
        notebook_->open();
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

void ActionController::windowMenu() {
    // Under the focused control, as a right click there would open it.
    const QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || focus->window() != &view_) {
        focus = &view_;
    }
    showWindowMenu(focus->mapToGlobal(QPoint(0, focus->height())));
}

}  // namespace fournil::qt

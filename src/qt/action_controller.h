#pragma once

// The window's actions, built from the table of actions (wiring/actions.h): one QAction a row,
// the window's menu and the fields' undo and redo, and the routing of every key pressed in the
// window by the one reading of keys (keys.h). A row with no effect on the model names its handler
// here.

#include "window/platform.h"
#include "wiring/actions.h"
#include "wiring/last_calculation.h"

#include <QObject>
#include <QSize>

#include <memory>
#include <optional>
#include <vector>

class QAction;
class QDialog;
class QKeyEvent;
class QLineEdit;
class QPoint;
class QWidget;

namespace fournil {
class SharedNotebook;
}

namespace fournil::qt {

class FournilView;
class NotebookActions;
class RecipeDialog;
class BaseDialog;

class ActionController : public QObject, private ViewActions {
  public:
    explicit ActionController(FournilView& view);
    ~ActionController() override;

    // Where the last calculation is kept when the window closes, and resumed from on request.
    void setCalculationStore(CalculationStore* store) { store_ = store; }
    CalculationStore* calculationStore() const { return store_; }
    // The notebook that "Enregistrer dans le carnet…" and "Carnet…" use.
    void setNotebook(SharedNotebook* notebook);
    // Tells what the notebook's opening found (a damaged file kept aside, a newer notebook read
    // only), once, whichever use opened it: a menu, resuming, a save or the window's closing.
    void tellNotebookOpening();

    // A key pressed or released in the window, before Qt's own handling: true when it is taken.
    bool routeKey(QWidget* target, const QKeyEvent& event);
    // The window's menu, on the background and the labels.
    void showWindowMenu(const QPoint& at);
    // A field's own menu, whose undo and redo are the calculation's.
    void showFieldMenu(QLineEdit* edit, const QPoint& at);
    // The recipe dialog, when open, follows every answer.
    void answerChanged();

  private:
    QAction* qAction(const Action& row) const;
    void refresh();
    void trigger(const Action& row);
    std::optional<KeptCalculation> savedCalculation() const;

    void print() override;
    void openRecipe() override;
    void openBaseTemperature() override;
    void resume() override;
    void saveToNotebook() override;
    void openNotebook() override;
    void zoomIn() override;
    void zoomOut() override;
    void zoomReset() override;
    void about() override;
    void aboutQt() override;
    void closeWindow() override;
    void windowMenu() override;

    FournilView& view_;
    Window& model_;
    std::vector<QAction*> actions_;  // one a row of the table, in its order
    CalculationStore* store_ = nullptr;
    RecipeDialog* recipe_ = nullptr;  // made when first asked for
    BaseDialog* base_ = nullptr;
    std::unique_ptr<NotebookActions> notebook_;
};

}  // namespace fournil::qt

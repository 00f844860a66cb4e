#pragma once

// The Qt view of the window model: one widget per control, built in one loop over the model's
// controls (each widget's objectName is its control's name). It mirrors every property that the
// model changes and forwards the user's edits, clicks, keys and mouse moves to the model; it
// never computes and never reads its widgets back. Its actions and its menu come from the table
// of actions (wiring/actions.h).

#include "window/platform.h"
#include "window/window.h"

#include <QWidget>

#include <map>
#include <optional>
#include <utility>
#include <vector>

class QAction;
namespace fournil::qt {
class Announcer;
class RecipeDialog;
}  // namespace fournil::qt
class QKeyEvent;
class QLineEdit;

namespace fournil {
struct Action;
}

namespace fournil::qt {

class FournilView : public QWidget, public WindowObserver {
  public:
    explicit FournilView(Window& model, QWidget* parent = nullptr);
    ~FournilView() override;

    Window& model() const { return model_; }
    QWidget* widgetOf(const Control& control) const;

    // The font that stands in for the original 8.25-point sans serif, at the view's scale.
    QFont controlFont() const;

    // The view's pixels for the model's twips: 15 twips a pixel at 100 %, fewer pixels when the
    // window is drawn smaller to fit its screen or zoomed. The model's geometry never changes.
    double scale() const { return scale_; }
    int toPixels(int twips) const;
    // Where the view puts a control: its place in pixels (the window: its client area, at the
    // position the model gives it).
    QRect placeOf(const Control& control) const;
    // The zoom the person chose, from 50 % to 300 %, never beyond the screen.
    void setZoom(double zoom);
    double zoom() const { return zoom_; }
    // Where the last calculation is kept when the window closes, and resumed from on request;
    // none: nothing is kept.
    void setCalculationStore(CalculationStore* store) { store_ = store; }

    // The screen area the window must fit in (by default the screen's available area).
    void fitInto(const QRect& area);

    void propertyChanged(const Control& control, Property property) override;
    void userEventEnded() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    // Building (view.cpp).
    QWidget* create(Control& control, QWidget* parent);
    // Mirroring (view_mirror.cpp).
    void mirrorAll(const Control& control);
    void applyText(const Control& control);
    void applyEnabled(const Control& control);
    void applyAccessibleNames();
    void applyAnswer();
    void applyCaption(const Control& control);
    void applySelected(const Control& control);
    void applyPicture(const Control& control);
    void applyGeometry(const Control& control);
    QRect fitted(const Control& control, QRect place) const;
    void applyColour(const Control& control);
    void applyFont(const Control& control);
    void applyFocus();
    void applyDescriptions(const QString& focused);
    void applyScale(double scale);
    // Forwarding (view_input.cpp).
    void forwardEdit(TextBox& box, const QString& text);
    void forwardMouseMove(QEvent* event);
    void pasteInto(QLineEdit* edit, const QString& text);
    // Actions (view_actions.cpp).
    void buildActions();
    void refreshActions();
    void trigger(const Action& row);
    QAction* actionForKey(const QKeyEvent& event) const;
    void showFieldMenu(QLineEdit* edit, const QPoint& at);
    void printCard();
    void openRecipe();
    std::optional<QByteArray> savedCalculation() const;

    Window& model_;
    std::map<const Control*, QWidget*> widgets_;
    std::map<const QWidget*, Control*> controls_;
    std::vector<std::pair<const Action*, QAction*>> actions_;
    bool forwardingFocus_ = false;
    bool answerChanged_ = false;  // within a user event, applied once at its end
    double scale_ = 1.0;
    double zoom_ = 1.0;
    QRect area_;  // the screen area to fit, once known
    CalculationStore* store_ = nullptr;
    Announcer* announcer_ = nullptr;
    RecipeDialog* recipe_ = nullptr;  // made when first asked for
    QMetaObject::Connection focusForwarding_;
};

}  // namespace fournil::qt

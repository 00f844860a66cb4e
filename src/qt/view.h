#pragma once

// The Qt view of the window model: one widget per control, built in one loop over the model's
// controls (each widget's objectName is its control's name). It mirrors every property that the
// model changes and forwards the user's edits, clicks, keys and mouse moves to the model; it
// never computes and never reads its widgets back. Its actions, its menus and the keys pressed in
// it are the action controller's (action_controller.h), its scale the zoom's (zoom.h).

#include "qt/zoom.h"
#include "window/platform.h"
#include "window/window.h"

#include <QWidget>

#include <map>

class QLineEdit;

namespace fournil {
class SharedNotebook;
}

namespace fournil::qt {

class ActionController;
class Announcer;
class ScaledStyle;

class FournilView : public QWidget, public WindowObserver {
  public:
    explicit FournilView(Window& model, QWidget* parent = nullptr);
    ~FournilView() override;

    Window& model() const { return model_; }
    QWidget* widgetOf(const Control& control) const;

    // The font that stands in for the original 8.25-point sans serif, at the view's scale.
    QFont controlFont() const;

    // The view's pixels for the model's twips (zoom.h).
    double scale() const { return zoom_.scale(); }
    int toPixels(int twips) const { return zoom_.toPixels(twips); }
    QRect placeOf(const Control& control) const { return zoom_.placeOf(control); }
    // The zoom the person chose, from 50 % to 300 %, never beyond the screen.
    void setZoom(double zoom);
    double zoom() const { return zoom_.zoom(); }
    // The screen area the window must fit in (by default the screen's available area).
    void fitInto(const QRect& area);
    // Where the last calculation is kept when the window closes, and resumed from on request;
    // none: nothing is kept.
    void setCalculationStore(CalculationStore* store);
    void setNotebook(SharedNotebook* notebook);

    void propertyChanged(const Control& control, Property property) override;
    void userEventEnded() override;

    // A paste into a field, as the user's: the model cuts it to what fits first.
    void pasteInto(QLineEdit* edit, const QString& text);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    // Building (view.cpp).
    QWidget* create(Control& control, QWidget* parent);
    QWidget* createOptionButton(Control& control, QWidget* parent);
    QWidget* createTextBox(TextBox& box, QWidget* parent);
    void buildTabOrder();
    QMargins frameMargins() const;
    // Mirroring (view_mirror.cpp).
    void mirrorAll(const Control& control);
    void applyWindowValue(Property property);
    void applyText(const Control& control);
    void applyVisible(const Control& control);
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
    void applyScale();
    // Forwarding (view_input.cpp).
    void forwardEdit(TextBox& box, const QString& text);
    void forwardSelection(TextBox& box, const QLineEdit& edit);
    void forwardMouseMove(QEvent* event);

    Window& model_;
    std::map<const Control*, QWidget*> widgets_;
    std::map<const QWidget*, Control*> controls_;
    Zoom zoom_;
    ActionController* controller_ = nullptr;
    Announcer* announcer_ = nullptr;
    ScaledStyle* style_ = nullptr;  // the widgets' metrics, shrunk with the view
    bool forwardingFocus_ = false;
    bool answerChanged_ = false;  // within a user event, applied once at its end
    QMetaObject::Connection focusForwarding_;
};

}  // namespace fournil::qt

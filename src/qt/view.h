#pragma once

// The Qt view of the window model: one widget per control, built in one loop over the model's
// controls (each widget's objectName is its control's name). It mirrors every property that the
// model changes and forwards the user's edits, clicks and mouse moves to the model; it never
// computes and never reads its widgets back.

#include "window/window.h"

#include <QMenu>
#include <QWidget>

#include <map>
#include <memory>

namespace fournil::qt {

class FournilView : public QWidget, public WindowObserver {
  public:
    explicit FournilView(Window& model, QWidget* parent = nullptr);
    ~FournilView() override;

    Window& model() const { return model_; }
    QWidget* widgetOf(const Control& control) const;
    const Control* controlOf(const QWidget* widget) const;

    // The font that stands in for the original 8.25-point sans serif.
    static QFont controlFont();

    void propertyChanged(const Control& control, Property property) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  public:
    // The window's own menu: copy the calculation, a new calculation, print a recipe card.
    std::unique_ptr<QMenu> contextMenu();

  protected:
  private:
    QWidget* create(Control& control, QWidget* parent);
    void mirrorAll(const Control& control);
    void printCard();
    void applyText(const Control& control);
    void applyEnabled(const Control& control);
    void applyAccessibleNames();
    void applyCaption(const Control& control);
    void applySelected(const Control& control);
    void applyPicture(const Control& control);
    void applyGeometry(const Control& control);
    QRect fitted(const Control& control, QRect place) const;
    void applyColour(const Control& control);
    void applyFont(const Control& control);
    void applyFocus();
    void forwardEdit(TextBox& box, const QString& text);
    void forwardMouseMove(QEvent* event);

    Window& model_;
    std::map<const Control*, QWidget*> widgets_;
    std::map<const QWidget*, Control*> controls_;
    bool forwardingFocus_ = false;
    QMetaObject::Connection focusForwarding_;
};

}  // namespace fournil::qt

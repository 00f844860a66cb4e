#pragma once

// One table of the window's actions: every shortcut and every entry of the window's menu is one
// row, which the Qt view builds its actions and its menu from, and the scenario driver its key
// names. Adding a shortcut is adding a row: its keys, and its effect on the model or the view's
// handler that it names. The keys that move the focus or type (Tab, the arrows, Space, the
// keypad's separator) are not actions: they follow the keyboard rule of window/user_events.h.

#include "window/recipe.h"

#include <QString>
#include <QStringView>

#include <array>
#include <span>

namespace fournil {

class Window;

enum class ActionId {
    Undo,
    Redo,
    Copy,
    NewCalculation,
    Resume,
    Print,
    ZoomIn,
    ZoomOut,
    ZoomReset,
    About,
    AboutQt,
    Close,
    Help,
    Recipe,
    BaseTemperature,
    Menu,
    SaveToNotebook,
    OpenNotebook,
};

// The platform's own keys for an action, as Qt names them (QKeySequence::StandardKey); this
// layer links no QtGui, the view converts them by their order (qt/keys.cpp).
enum class StandardKey { None, Undo, Redo, Copy, New, Print, ZoomIn, ZoomOut, Close, Quit, Help };

// What the view does itself for the actions that have no effect on the model.
class ViewActions {
  public:
    virtual void print() = 0;
    virtual void openRecipe() = 0;
    virtual void openBaseTemperature() = 0;
    virtual void resume() = 0;
    virtual void saveToNotebook() = 0;
    virtual void openNotebook() = 0;
    virtual void zoomIn() = 0;
    virtual void zoomOut() = 0;
    virtual void zoomReset() = 0;
    virtual void about() = 0;
    virtual void aboutQt() = 0;
    virtual void closeWindow() = 0;
    virtual void windowMenu() = 0;

  protected:
    ~ViewActions() = default;
};

struct Action {
    ActionId id;
    QStringView name;  // the QAction's object name
    // In the window's menu, in French, its accelerator after "&"; null: not in the menu.
    const char16_t* label;
    // Key sequences in Qt's portable text ("Ctrl+C"), on every platform; the first is the one the
    // menu shows and the driver's `key` names.
    std::array<QStringView, 3> keys;
    // The platform's keys for the same, besides.
    std::array<StandardKey, 2> standard = {};
    bool (*enabled)(const Window&) = nullptr;  // null: always enabled
    void (*run)(Window&) = nullptr;            // the effect on the model, or
    void (ViewActions::*view)() = nullptr;     // the view's own
    bool separated = false;                    // a separator before it in the menu
};

std::span<const Action> actions();
const Action& action(ActionId id);

bool actionEnabled(const Window& w, const Action& action);
// Why a disabled action is, in French, for its tooltip; empty when it says nothing.
QString whyDisabled(const Window& w, const Action& action);
// Runs the action's effect on the model, when it has one and is enabled; a disabled one that
// says why announces it instead.
void runAction(Window& w, const Action& action);

}  // namespace fournil

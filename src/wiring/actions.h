#pragma once

// One table of the window's actions: every shortcut and every entry of the window's menu is one
// row, which the Qt view builds its actions and its menu from, and the scenario driver its key
// names. Adding a shortcut is adding a row. The keys that move the focus or type (Tab, the
// arrows, Space, the keypad's separator) are not actions: they follow the keyboard rule of
// window/user_events.h.

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
};

struct Action {
    ActionId id;
    QStringView name;       // the QAction's object name
    const char16_t* label;  // in the window's menu, in French; null: not in the menu
    // Key sequences in Qt's portable text ("Ctrl+C"); the first is the one the menu shows and the
    // driver's `key` names.
    std::array<QStringView, 3> keys;
    bool (*enabled)(const Window&) = nullptr;  // null: always enabled
    void (*run)(Window&) = nullptr;            // the effect on the model; null: the view's own
    bool separated = false;                    // a separator before it in the menu
};

std::span<const Action> actions();
const Action& action(ActionId id);
// The action that a key sequence (as its portable text) runs, or null.
const Action* actionForKeys(QStringView keys);

bool actionEnabled(const Window& w, const Action& action);
// Why a disabled action is, in French, for its tooltip; empty when it says nothing.
QString whyDisabled(const Window& w, const Action& action);
// Runs the action's effect on the model, when it has one and is enabled.
void runAction(Window& w, const Action& action);


}  // namespace fournil

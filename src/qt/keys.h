#pragma once

// The one reading of a key pressed in the window. The view's key handling asks it for every key,
// and the scenario driver's `key` command for the key a scenario names, so that a scenario plays
// what the real window reads.

#include "window/user_events.h"

#include <QKeySequence>
#include <QList>
#include <QStringView>

#include <optional>

namespace fournil {
struct Action;
}

namespace fournil::qt {

struct KeyMeaning {
    const Action* action = nullptr;  // one of the window's actions, which comes first;
    bool paste = false;              // the platform's paste, into a field;
    std::optional<Key> key;          // a key of the keyboard rule
};
KeyMeaning keyMeaning(QKeyCombination pressed);

// The keys an action answers to: the table's own (the first one the menu shows), then the
// platform's standard ones once a QGuiApplication runs (the driver on the model has none).
const QList<QKeySequence>& actionKeys(const Action& action);

// The press that a key of the keyboard rule is.
QKeyCombination keyPress(Key key);
// A key as a scenario names it: a key of the keyboard rule ("Tab", "KP_Decimal") or a key in
// Qt's portable text ("Ctrl+Shift+Z").
std::optional<QKeyCombination> keyPressNamed(QStringView name);

}  // namespace fournil::qt

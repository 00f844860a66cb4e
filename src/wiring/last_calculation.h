#pragma once

// The last calculation, kept on request: the mode, the units and the texts the person typed, as
// a small JSON document, and replayed through the window's own user events so that the answer is
// computed anew by the window's rules. Nothing here touches a file.

#include "window/recipe.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace fournil {

class Window;

// A calculation as the person set it: what resuming it clicks and types.
struct KeptCalculation {
    int mode = 0, massUnit = 0, unit1 = 0, unit2 = 0;
    std::vector<std::pair<QString, QString>> texts;  // box ("Q1", "EF(2)"), text typed
    std::optional<RecipeInputs> recipe;
    std::optional<BaseTerms> base;  // the base temperature's terms last typed, if any
    bool operator==(const KeptCalculation&) const = default;
};

// The boxes a person types into, by name, in the order of the sentence.
const QStringList& typedBoxNames();

KeptCalculation keptCalculation(const Window& w);
QByteArray calculationBytes(const KeptCalculation& kept);
// Nothing for bytes that hold no calculation this window can replay.
std::optional<KeptCalculation> readCalculation(const QByteArray& saved);
// Whether a calculation read from anywhere holds what this window can replay.
bool validCalculation(const KeptCalculation& kept);
// What the person is told of a named calculation that is not one (written by another version).
QString notReplayable(const QString& name);
// As resumeCalculation below, for a calculation already read; false, nothing done, if invalid.
bool resumeCalculation(Window& w, const KeptCalculation& kept);

// The calculation shown now.
QByteArray saveCalculation(const Window& w);

// Whether the bytes hold a calculation this window can replay (not missing, not corrupt, not
// another program's).
bool canResume(const QByteArray& saved);

// Clicks the saved mode and units and types the saved texts, as one step that undo takes back.
// False, with nothing done, when the bytes hold no calculation.
bool resumeCalculation(Window& w, const QByteArray& saved);

}  // namespace fournil

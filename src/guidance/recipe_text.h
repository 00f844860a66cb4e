#pragma once

// The recipe in words: its ingredients' names, its pieces and hydration, the table as plain text
// (what "Copier le calcul" and the command line add after the sentence), and why a mode has none.

#include "engine/recipe.h"
#include "modes/modes.h"

#include <QStringList>

namespace fournil {

class Window;

QString ingredientName(Ingredient ingredient);   // "farine", "dont eau", "levure"
QString piecesPhrase(const RecipeTable& table);  // "6 pâtons de 250 gr"
// All the water over all the flour in the four units: "70,5 % pâte" … "fraction farine 0,705".
QStringList hydrationPhrases(const RecipeTable& table);
// Why the mode shown takes no recipe, for a disabled menu entry: the modes that take one.
QString recipeUnavailableReason();
// The caption of a mode's button, as the window writes it.
QString modeCaption(Mode mode);

// One line a row, the masses and percentages in columns; empty without a table.
QStringList recipeLines(const Window& w);
QStringList recipeLines(const RecipeTable& table);

}  // namespace fournil

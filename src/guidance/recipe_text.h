#pragma once

// The recipe table as plain text: what "Copier le calcul" and the command line add after the
// sentence when a recipe is set.

#include "engine/recipe.h"

#include <QStringList>

namespace fournil {

class Window;

// One line a row, the masses and percentages in columns; empty without a table.
QStringList recipeLines(const Window& w);
QStringList recipeLines(const RecipeTable& table);

}  // namespace fournil

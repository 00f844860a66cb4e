#pragma once

// The dough for a whole recipe: the pieces times their weight is the total asked, salt and yeast
// included, so the dough typed into the sentence is what remains of it.

#include "window/recipe.h"

namespace fournil {

class Window;

// Sets the recipe around the dough and types into Q1 the dough that with its salt and yeast makes
// `total` (the pieces times their weight, in the mass unit shown), as a person would type it: one
// step to undo. Only where the recipe applies (modes 1 and 6).
void applyRecipe(Window& w, const RecipeInputs& recipe, double total);

}  // namespace fournil

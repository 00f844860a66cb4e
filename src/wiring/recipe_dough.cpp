#include "wiring/recipe_dough.h"

#include "engine/numbers.h"
#include "engine/recipe.h"
#include "window/user_event_scope.h"
#include "window/user_events.h"
#include "window/window.h"

#include <cmath>

namespace fournil {
namespace {

// The dough (Q1) that with the recipe's salt and yeast makes `total` in all, in the unit shown:
// all the flour is the dough less its water, whatever the mode, so the total is the dough and
// salt and yeast in proportion to that flour.
double doughForTotal(const Window& w, const RecipeInputs& recipe, double total) {
    const double flourOfDough = 1.0 - double(w.FracEau1);
    const double dough = total / (1.0 + (recipe.salt + recipe.yeast) / 100 * flourOfDough);
    const double step = recipeStep(w);
    return std::round(dough / step) * step;
}

}  // namespace

void applyRecipe(Window& w, const RecipeInputs& recipe, double total) {
    if (!recipeApplies(w)) {
        return;
    }
    const UserEventScope event(w, UserEventScope::Kind::Step);
    w.setRecipe(recipe);
    // The masses are rounded one by one: the dough is nudged until the rounded ones add up
    // to the total asked, where they can.
    double dough = doughForTotal(w, recipe, total);
    for (int attempt = 0; attempt < 4; ++attempt) {
        userPaste(w.Q1, unroundedText(dough, w.locale()));
        const auto table = recipeTable(w);
        const double step = recipeStep(w);
        if (!table || std::abs(table->total - total) < step / 2) {
            break;
        }
        dough = std::round((dough + (total - table->total)) / step) * step;
    }
}

}  // namespace fournil

#pragma once

// The recipe table: the dough of the sentence's last answer with the recipe's salt and yeast,
// ingredient by ingredient, each mass rounded to whole units as the sentence rounds its own, with
// its baker's percentage (of all the flour, the levain's included). A pure function of the
// window's answer, its mass unit and the recipe set.

#include "window/recipe.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace fournil {

class Window;

// What a row of the table weighs; its name for people is rendered in guidance.
enum class Ingredient : std::uint8_t {
    Flour,
    Water,
    Levain,
    LevainFlour,
    LevainWater,
    Salt,
    Yeast
};

// The levain's own flour or water, counted in the levain.
constexpr bool isLevainPart(Ingredient i) {
    return i == Ingredient::LevainFlour || i == Ingredient::LevainWater;
}

struct RecipeRow {
    Ingredient ingredient = Ingredient::Flour;
    bool part() const { return isLevainPart(ingredient); }
    // Counts in all the flour (100 % together).
    bool flour() const {
        return ingredient == Ingredient::Flour || ingredient == Ingredient::LevainFlour;
    }
    double mass = 0;      // rounded to whole units
    double percent = 0;   // of all the flour
    QString massText;     // "869"
    QString percentText;  // "2"
};

struct RecipeTable {
    std::vector<RecipeRow> rows;
    double total = 0;  // the masses of the rows that are not parts, added
    QString totalText;
    QString unit;  // "gr", "kg", "l"
    int pieces = 1;
    double pieceWeight = 0;   // the total divided by the pieces
    QString pieceWeightText;  // "250"
    // All the water over all the flour, in the four units: % pâte, % farine, fraction pâte,
    // fraction farine; as numbers and as their texts ("70,5").
    std::array<double, 4> hydration{};
    std::array<QString, 4> hydrationTexts;

    // The row of an ingredient, or null where the dough has none.
    const RecipeRow* find(Ingredient ingredient) const;
};

// What the table weighs to (a gram, in grams or kilograms; litres count as kilograms) and the
// unit it writes.
double recipeStep(const Window& w);
QString recipeUnit(const Window& w);

// Whether the mode shown is a dough the recipe can be made around (its row in the mode table).
bool recipeApplies(const Window& w);

// The table of the recipe set, or nothing: no recipe, a mode that is no dough, a fault, or an
// answer with no positive flour.
std::optional<RecipeTable> recipeTable(const Window& w);
std::optional<RecipeTable> recipeTable(const Window& w, const RecipeInputs& recipe);

}  // namespace fournil

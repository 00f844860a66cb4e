#pragma once

// The recipe table: the dough of the sentence's last answer with the recipe's salt and yeast,
// ingredient by ingredient, each mass rounded to whole units as the sentence rounds its own, with
// its baker's percentage (of all the flour, the levain's included). A pure function of the
// window's answer, its mass unit and the recipe set.

#include "window/recipe.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace fournil {

class Window;

struct RecipeRow {
    QString name;         // "farine", "eau", "levain", "dont farine", "sel" …
    bool part = false;    // the levain's own flour or water, counted in the levain
    bool flour = false;   // counts in all the flour (100 % together)
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
    QString piecesText;       // "6 pâtons de 250 gr"
    // All the water over all the flour, in the four units: % pâte, % farine, fraction pâte,
    // fraction farine.
    std::array<double, 4> hydration{};
    std::array<QString, 4> hydrationTexts;
};

// What the table weighs to (a gram, in grams or kilograms; litres count as kilograms) and the
// unit it writes.
double recipeStep(const Window& w);
QString recipeUnit(const Window& w);

// Whether the mode shown is a dough the recipe can be made around: modes 1 and 6.
bool recipeApplies(const Window& w);
// Why it cannot be, in French, for a disabled menu entry.
QString recipeUnavailableReason();

// The table of the recipe set, or nothing: no recipe, a mode that is no dough, a fault, or an
// answer with no positive flour.
std::optional<RecipeTable> recipeTable(const Window& w);
std::optional<RecipeTable> recipeTable(const Window& w, const RecipeInputs& recipe);

// The dough (Q1) that with the recipe's salt and yeast makes `total` in all, in the unit shown:
// all the flour is the dough less its water, whatever the mode, so the total is the dough and
// salt and yeast in proportion to that flour.
double doughForTotal(const Window& w, const RecipeInputs& recipe, double total);

}  // namespace fournil

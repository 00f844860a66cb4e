#pragma once

// A baker's whole recipe around the sentence's dough: how many pieces, and salt and yeast as
// baker's percentages (of all the flour, the levain's included). The weight of a piece is not
// kept: it is the dough's total divided by the pieces, whatever the sentence answers next.

namespace fournil {

struct RecipeInputs {
    int pieces = 1;
    double salt = 2.0;   // % of the flour
    double yeast = 0.0;  // % of the flour
    bool operator==(const RecipeInputs&) const = default;
};

// What the recipe dialog and the command line accept.
inline constexpr int maximumPieces = 10000;
inline constexpr double maximumPercent = 20.0;

}  // namespace fournil

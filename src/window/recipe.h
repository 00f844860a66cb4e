#pragma once

// A baker's whole recipe around the sentence's dough: how many pieces, and salt and yeast as
// baker's percentages (of all the flour, the levain's included). The weight of a piece is not
// kept: it is the dough's total divided by the pieces, whatever the sentence answers next.

#include <QString>

#include <array>

namespace fournil {

struct RecipeInputs {
    int pieces = 1;
    double salt = 2.0;   // % of the flour
    double yeast = 0.0;  // % of the flour
    bool operator==(const RecipeInputs&) const = default;
};

// The base temperature's terms as the baker typed them (base, flour, bakehouse, levain; the last
// empty without levain), kept with the calculation so that the next opening shows them again.
struct BaseTerms {
    std::array<QString, 4> texts;
    bool operator==(const BaseTerms&) const = default;
};

// What the recipe dialog and the command line accept.
inline constexpr int maximumPieces = 10000;
inline constexpr double maximumPercent = 20.0;

}  // namespace fournil

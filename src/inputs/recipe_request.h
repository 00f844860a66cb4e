#pragma once

// A whole recipe as a person asks for it, field by field, as typed: the number of pieces, the
// weight of one and salt and yeast in baker's percentages. One check reads it for the recipe
// dialog and the command line alike, so that both refuse the same field with the same reason.

#include "window/recipe.h"

#include <QLocale>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace fournil {

enum class RecipeField : std::uint8_t { Pieces, Weight, Salt, Yeast };
inline constexpr std::array recipeFields = {RecipeField::Pieces, RecipeField::Weight,
                                            RecipeField::Salt, RecipeField::Yeast};

struct RecipeRequest {
    // As the command line takes them when not given; the weight has no default.
    std::array<QString, recipeFields.size()> texts = {QStringLiteral("1"), QString(),
                                                      QStringLiteral("2"), QStringLiteral("0")};
    QString& operator[](RecipeField f) { return texts[std::size_t(f)]; }
    const QString& operator[](RecipeField f) const { return texts[std::size_t(f)]; }
};

struct RecipeCheck {
    // Why each field is refused, in French ("un nombre entier de 1 à 10 000"); empty when good.
    std::array<QString, recipeFields.size()> problems;
    // The recipe and the total weight of the pieces, when every field is good.
    std::optional<RecipeInputs> inputs;
    double total = 0;

    const QString& problem(RecipeField f) const { return problems[std::size_t(f)]; }
};

// What the recipe's table weighs to: its whole unit ("gr": 1; "kg": a gram, 0.001).
struct RecipeMass {
    double step = 1.0;
    QString unit = QStringLiteral("gr");
};

// Reads each field by the locale and says what is wrong with it; pieces that weigh less than one
// unit of the mass in all would make no dough, and their weight is refused.
RecipeCheck checkRecipe(const RecipeRequest& request, const QLocale& locale,
                        const RecipeMass& mass = {});
// The longest reason a field can be refused for, to keep room for it.
QString longestRecipeProblem(const QLocale& locale);
// What a field holds, for a request that leaves out one with no default: "le poids d'un pâton".
QString recipeFieldMeaning(RecipeField field);

}  // namespace fournil

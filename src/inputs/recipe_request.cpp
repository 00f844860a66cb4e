#include "inputs/recipe_request.h"

#include "engine/numbers.h"

#include <cmath>

namespace fournil {
namespace {

QString tooLight(const QLocale& locale, const RecipeMass& mass) {
    return QStringLiteral("au moins %1 %2 pour tous les pâtons")
        .arg(unroundedText(mass.step, locale), mass.unit);
}

}  // namespace

RecipeCheck checkRecipe(const RecipeRequest& request, const QLocale& locale,
                        const RecipeMass& mass) {
    RecipeCheck check;
    const auto refuse = [&](RecipeField f, const QString& why) {
        check.problems[std::size_t(f)] = why;
    };
    bool whole = false;
    const int pieces = locale.toInt(request[RecipeField::Pieces].trimmed(), &whole);
    if (!whole || pieces < 1 || pieces > maximumPieces) {
        refuse(RecipeField::Pieces,
               QStringLiteral("un nombre entier de 1 à %1").arg(locale.toString(maximumPieces)));
    }
    const auto weight = readEitherMark(request[RecipeField::Weight].trimmed(), locale);
    if (!weight || !std::isfinite(*weight) || *weight <= 0 || *weight >= 1e9) {
        refuse(RecipeField::Weight, QStringLiteral("un poids plus grand que 0"));
    }
    const auto percent = [&](RecipeField f) {
        const auto p = readEitherMark(request[f].trimmed(), locale);
        if (!p || !(*p >= 0 && *p <= maximumPercent)) {
            refuse(f, QStringLiteral("un pourcentage de 0 à %1").arg(maximumPercent));
            return 0.0;
        }
        return *p;
    };
    const double salt = percent(RecipeField::Salt), yeast = percent(RecipeField::Yeast);
    for (const QString& problem : check.problems) {
        if (!problem.isEmpty()) {
            return check;
        }
    }
    // The dough is typed in whole units: under one in all, it would round to none and empty the
    // recipe (the tolerance lets 0.001 kg, not exact in binary, count as a gram).
    if (pieces * *weight / mass.step < 1 - 1e-9) {
        refuse(RecipeField::Weight, tooLight(locale, mass));
        return check;
    }
    check.inputs = RecipeInputs{pieces, salt, yeast};
    check.total = pieces * *weight;
    return check;
}

QString longestRecipeProblem(const QLocale& locale) {
    return tooLight(locale, {0.001, QStringLiteral("kg")});
}

QString recipeFieldMeaning(RecipeField field) {
    // In the order of RecipeField.
    static const char16_t* const meanings[] = {u"le nombre de pâtons", u"le poids d'un pâton",
                                               u"le sel en % de la farine",
                                               u"la levure en % de la farine"};
    return QString::fromUtf16(meanings[std::size_t(field)]);
}

}  // namespace fournil

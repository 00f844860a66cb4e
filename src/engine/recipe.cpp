#include "engine/recipe.h"

#include "engine/numbers.h"
#include "modes/modes.h"
#include "window/window.h"

#include <cmath>

namespace fournil {
namespace {

double rounded(double value, double step) {
    return std::round(value / step) * step;
}

QString decimals(const Window& w, double value, int digits) {
    const double scale = std::pow(10.0, digits);
    return unroundedText(std::round(value * scale) / scale, w.locale());
}

std::optional<double> shownNumber(const Window& w, AnswerBox box) {
    const AnswerEntry& e = w.answer[box];
    if (!e.shown) {
        return std::nullopt;
    }
    const auto v = LectureLocale(e.text, w.locale());
    return v && std::isfinite(*v) ? v : std::nullopt;
}

RecipeRow row(const char* name, bool part, bool flour, double mass, double percent) {
    RecipeRow r;
    r.name = QString::fromUtf8(name);
    r.part = part;
    r.flour = flour;
    r.mass = mass;
    r.percent = percent;
    return r;
}

}  // namespace

double recipeStep(const Window& w) {
    return w.UniteMasse >= 2 ? 0.001 : 1.0;
}

QString recipeUnit(const Window& w) {
    return w.UniteMasse >= 2 ? QStringLiteral("kg") : QStringLiteral("gr");
}

bool recipeApplies(const Window& w) {
    return w.TypeCalcul == int(Mode::FlourAndWater) || w.TypeCalcul == int(Mode::DoughWithLevain);
}

QString recipeUnavailableReason() {
    return QStringLiteral(
        "La recette complète se fait autour d'une pâte : choisissez « proportions "
        "eau/farine » ou « proportion pâte /levain ».");
}

std::optional<RecipeTable> recipeTable(const Window& w) {
    return w.recipe() ? recipeTable(w, *w.recipe()) : std::nullopt;
}

std::optional<RecipeTable> recipeTable(const Window& w, const RecipeInputs& recipe) {
    const Answer& a = w.answer;
    if (!recipeApplies(w) || a.fault || a.mode != w.TypeCalcul || recipe.pieces < 1) {
        return std::nullopt;
    }
    const double step = recipeStep(w);
    RecipeTable t;
    t.unit = recipeUnit(w);
    double flour = 0, water = 0;
    // Masses first; each percentage once all the flour is known.
    std::vector<RecipeRow> rows;
    if (a.mode == int(Mode::FlourAndWater)) {
        const auto f = shownNumber(w, AnswerBox::Q2), e = shownNumber(w, AnswerBox::EF1);
        if (!f || !e) {
            return std::nullopt;
        }
        flour = *f;
        water = *e;
        rows.push_back(row("farine", false, true, flour, 0));
        rows.push_back(row("eau", false, false, water, 0));
    } else {
        const auto levain = shownNumber(w, AnswerBox::Q2), f = shownNumber(w, AnswerBox::EF1),
                   e = shownNumber(w, AnswerBox::EF2);
        if (!levain || !f || !e) {
            return std::nullopt;
        }
        // The levain's water by its own hydration, as the sentence's balance counts it.
        const double levainWater = rounded(*levain * double(w.FracEau2), step);
        const double levainFlour = *levain - levainWater;
        flour = *f + levainFlour;
        water = *e + levainWater;
        rows.push_back(row("farine", false, true, *f, 0));
        rows.push_back(row("eau", false, false, *e, 0));
        rows.push_back(row("levain", false, false, *levain, 0));
        rows.push_back(row("dont farine", true, true, levainFlour, 0));
        rows.push_back(row("dont eau", true, false, levainWater, 0));
    }
    if (!(flour > 0) || water < 0) {
        return std::nullopt;
    }
    for (RecipeRow& r : rows) {
        r.percent = r.mass / flour * 100;
    }
    // Salt and yeast are weighed from the percentages the baker gave, which they keep.
    rows.push_back(row("sel", false, false, rounded(flour * recipe.salt / 100, step), recipe.salt));
    rows.push_back(
        row("levure", false, false, rounded(flour * recipe.yeast / 100, step), recipe.yeast));
    for (RecipeRow& r : rows) {
        r.massText = decimals(w, r.mass, w.UniteMasse >= 2 ? 3 : 0);
        r.percentText = decimals(w, r.percent, 2);
        if (!r.part) {
            t.total += r.mass;
        }
    }
    t.rows = std::move(rows);
    t.total = rounded(t.total, step);
    t.totalText = decimals(w, t.total, w.UniteMasse >= 2 ? 3 : 0);
    t.pieces = recipe.pieces;
    t.pieceWeight = t.total / recipe.pieces;
    t.pieceWeightText = decimals(w, t.pieceWeight, w.UniteMasse >= 2 ? 3 : 1);
    t.piecesText =
        QStringLiteral("%1 pâton%2 de %3 %4")
            .arg(recipe.pieces)
            .arg(recipe.pieces > 1 ? QStringLiteral("s") : QString(), t.pieceWeightText, t.unit);
    t.hydration = {water / (water + flour) * 100, water / flour * 100, water / (water + flour),
                   water / flour};
    t.hydrationTexts = {decimals(w, t.hydration[0], 1) + QStringLiteral(" % pâte"),
                        decimals(w, t.hydration[1], 1) + QStringLiteral(" % farine"),
                        QStringLiteral("fraction pâte ") + decimals(w, t.hydration[2], 3),
                        QStringLiteral("fraction farine ") + decimals(w, t.hydration[3], 3)};
    return t;
}

double doughForTotal(const Window& w, const RecipeInputs& recipe, double total) {
    const double flourOfDough = 1.0 - double(w.FracEau1);
    const double dough = total / (1.0 + (recipe.salt + recipe.yeast) / 100 * flourOfDough);
    return rounded(dough, recipeStep(w));
}

}  // namespace fournil

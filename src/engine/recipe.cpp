#include "engine/recipe.h"

#include "engine/numbers.h"
#include "modes/modes.h"
#include "window/vocabulary.h"
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

RecipeRow row(Ingredient ingredient, double mass, double percent = 0) {
    RecipeRow r;
    r.ingredient = ingredient;
    r.mass = mass;
    r.percent = percent;
    return r;
}

RecipeShape shapeShown(const Window& w) {
    const ModeRow* row = findModeRow(w.TypeCalcul);
    return row != nullptr ? row->recipe : RecipeShape::None;
}

// The dough's rows from the sentence's results, with all its flour and water; nothing where a
// result is not a number.
std::optional<std::vector<RecipeRow>> doughRows(const Window& w, double& flour, double& water) {
    std::vector<RecipeRow> rows;
    if (shapeShown(w) == RecipeShape::FlourAndWater) {
        const auto f = shownNumber(w, AnswerBox::Q2), e = shownNumber(w, AnswerBox::EF1);
        if (!f || !e) {
            return std::nullopt;
        }
        flour = *f;
        water = *e;
        rows.push_back(row(Ingredient::Flour, flour));
        rows.push_back(row(Ingredient::Water, water));
        return rows;
    }
    const auto levain = shownNumber(w, AnswerBox::Q2), f = shownNumber(w, AnswerBox::EF1),
               e = shownNumber(w, AnswerBox::EF2);
    if (!levain || !f || !e) {
        return std::nullopt;
    }
    // The levain's water by its own hydration, as the sentence's balance counts it.
    const double levainWater = rounded(*levain * double(w.FracEau2), recipeStep(w));
    const double levainFlour = *levain - levainWater;
    flour = *f + levainFlour;
    water = *e + levainWater;
    rows.push_back(row(Ingredient::Flour, *f));
    rows.push_back(row(Ingredient::Water, *e));
    rows.push_back(row(Ingredient::Levain, *levain));
    rows.push_back(row(Ingredient::LevainFlour, levainFlour));
    rows.push_back(row(Ingredient::LevainWater, levainWater));
    return rows;
}

}  // namespace

double recipeStep(const Window& w) {
    return weighsInKilograms(w) ? 0.001 : 1.0;
}

QString recipeUnit(const Window& w) {
    return weighsInKilograms(w) ? QStringLiteral("kg") : QStringLiteral("gr");
}

bool recipeApplies(const Window& w) {
    return shapeShown(w) != RecipeShape::None;
}

const RecipeRow* RecipeTable::find(Ingredient ingredient) const {
    for (const RecipeRow& r : rows) {
        if (r.ingredient == ingredient) {
            return &r;
        }
    }
    return nullptr;
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
    auto dough = doughRows(w, flour, water);
    if (!dough) {
        return std::nullopt;
    }
    std::vector<RecipeRow> rows = std::move(*dough);
    if (!(flour > 0) || water < 0) {
        return std::nullopt;
    }
    for (RecipeRow& r : rows) {
        r.percent = r.mass / flour * 100;
    }
    // Salt and yeast are weighed from the percentages the baker gave, which they keep.
    rows.push_back(row(Ingredient::Salt, rounded(flour * recipe.salt / 100, step), recipe.salt));
    rows.push_back(row(Ingredient::Yeast, rounded(flour * recipe.yeast / 100, step), recipe.yeast));
    for (RecipeRow& r : rows) {
        r.massText = decimals(w, r.mass, weighsInKilograms(w) ? 3 : 0);
        r.percentText = decimals(w, r.percent, 2);
        if (!r.part()) {
            t.total += r.mass;
        }
    }
    t.rows = std::move(rows);
    t.total = rounded(t.total, step);
    t.totalText = decimals(w, t.total, weighsInKilograms(w) ? 3 : 0);
    t.pieces = recipe.pieces;
    t.pieceWeight = t.total / recipe.pieces;
    t.pieceWeightText = decimals(w, t.pieceWeight, weighsInKilograms(w) ? 3 : 1);
    t.hydration = {water / (water + flour) * 100, water / flour * 100, water / (water + flour),
                   water / flour};
    t.hydrationTexts = {decimals(w, t.hydration[0], 1), decimals(w, t.hydration[1], 1),
                        decimals(w, t.hydration[2], 3), decimals(w, t.hydration[3], 3)};
    return t;
}

}  // namespace fournil

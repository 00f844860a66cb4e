#include "engine/recipe.h"

#include "engine/numbers.h"
#include "modes/modes.h"
#include "window/window.h"

#include <cmath>

namespace fournil {
namespace {

// The step masses are rounded to: a gram, in grams or in kilograms (litres count as kilograms).
double stepOf(const Window& w) {
    return w.UniteMasse >= 2 ? 0.001 : 1.0;
}

double rounded(double value, double step) {
    return std::round(value / step) * step;
}

QString decimals(const Window& w, double value, int digits) {
    const double scale = std::pow(10.0, digits);
    return unroundedText(std::round(value * scale) / scale, w.locale());
}

QString massText(const Window& w, double mass) {
    return decimals(w, mass, w.UniteMasse >= 2 ? 3 : 0);
}

std::optional<double> shownNumber(const Window& w, AnswerBox box) {
    const AnswerEntry& e = w.answer[box];
    if (!e.shown) {
        return std::nullopt;
    }
    const auto v = LectureLocale(e.text, w.locale());
    return v && std::isfinite(*v) ? v : std::nullopt;
}

RecipeRow row(const char* name, bool part, bool flour, double mass) {
    RecipeRow r;
    r.name = QString::fromUtf8(name);
    r.part = part;
    r.flour = flour;
    r.mass = mass;
    return r;
}

}  // namespace

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
    const double step = stepOf(w);
    RecipeTable t;
    t.unit = w.optionU(std::max<int>(1, w.UniteMasse)).caption() == u"l/kg"
                 ? QStringLiteral("kg")
                 : w.optionU(std::max<int>(1, w.UniteMasse)).caption();
    double flour = 0, water = 0;
    std::vector<RecipeRow> rows;
    if (a.mode == int(Mode::FlourAndWater)) {
        const auto f = shownNumber(w, AnswerBox::Q2), e = shownNumber(w, AnswerBox::EF1);
        if (!f || !e) {
            return std::nullopt;
        }
        flour = *f;
        water = *e;
        rows.push_back(row("farine", false, true, flour));
        rows.push_back(row("eau", false, false, water));
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
        rows.push_back(row("farine", false, true, *f));
        rows.push_back(row("eau", false, false, *e));
        rows.push_back(row("levain", false, false, *levain));
        rows.push_back(row("dont farine", true, true, levainFlour));
        rows.push_back(row("dont eau", true, false, levainWater));
    }
    if (!(flour > 0) || water < 0) {
        return std::nullopt;
    }
    rows.push_back(row("sel", false, false, rounded(flour * recipe.salt / 100, step)));
    rows.push_back(row("levure", false, false, rounded(flour * recipe.yeast / 100, step)));
    for (RecipeRow& r : rows) {
        r.percent = r.mass / flour * 100;
        // Salt and yeast are weighed from the percentages the baker gave, which they keep.
        if (&r >= &rows[rows.size() - 2]) {
            r.percent = &r == &rows.back() ? recipe.yeast : recipe.salt;
        }
        r.massText = massText(w, r.mass);
        r.percentText = decimals(w, r.percent, 2);
        if (!r.part) {
            t.total += r.mass;
        }
    }
    t.rows = std::move(rows);
    t.total = rounded(t.total, step);
    t.totalText = massText(w, t.total);
    t.pieces = recipe.pieces;
    t.pieceWeight = t.total / recipe.pieces;
    t.pieceText = QStringLiteral("%1 × %2 %3")
                      .arg(recipe.pieces)
                      .arg(decimals(w, t.pieceWeight, w.UniteMasse >= 2 ? 3 : 1), t.unit);
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
    return rounded(dough, stepOf(w));
}

}  // namespace fournil

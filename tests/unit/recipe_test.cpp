// The recipe table around the dough of modes 1 and 6, checked by laws rather than by its own
// formulas: the masses add up to the total, the flour's percentages to 100, the overall hydration
// is the table's water over its flour, and a recipe applied makes the pieces times their weight.

#include "engine/recipe.h"
#include "guidance/calculation_text.h"
#include "inputs/recipe_request.h"
#include "wiring/actions.h"
#include "wiring/last_calculation.h"
#include "wiring/recipe_dough.h"

#include <gtest/gtest.h>

#include "fake_platform.h"
#include "qstring_printer.h"

#include <array>
#include <cmath>
#include <optional>

namespace fournil {
namespace {

TEST(Recipe, TheTableKeepsItsLaws) {
    struct Row {
        int mode;
        int massUnit;
        const char* locale;
        RecipeInputs recipe;
        double weight;  // of a piece, in the unit shown
    };
    const Row rows[] = {
        {1, 1, "fr_FR", {6, 2, 0.5}, 250}, {1, 1, "C", {1, 0, 0}, 1000},
        {1, 1, "C", {10000, 20, 20}, 0.5}, {1, 2, "fr_FR", {4, 1.8, 1}, 0.45},
        {6, 1, "fr_FR", {6, 2, 0.5}, 250}, {6, 1, "C", {3, 2.2, 0}, 800},
        {6, 3, "C", {12, 2, 0.3}, 0.333},  {1, 3, "de_DE", {2, 2, 2}, 1.2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("mode " + std::to_string(row.mode) + " " + row.locale + " pieces " +
                     std::to_string(row.recipe.pieces));
        testing::OpenedWindow opened(row.locale == std::string("C")
                                         ? QLocale::c()
                                         : QLocale(QString::fromLatin1(row.locale)));
        Window& w = opened.w;
        opened.workedExample(row.mode);
        userClick(w.optionU(row.massUnit));
        const double total = row.recipe.pieces * row.weight;
        applyRecipe(w, row.recipe, total);
        const auto table = recipeTable(w);
        ASSERT_TRUE(table);
        const double step = row.massUnit >= 2 ? 0.001 : 1.0;
        double sum = 0, flour = 0, flourPercent = 0, water = 0, parts = 0;
        for (const RecipeRow& r : table->rows) {
            EXPECT_NEAR(r.mass, std::round(r.mass / step) * step, 1e-9) << "whole units";
            if (r.part()) {
                parts += r.mass;
            } else {
                sum += r.mass;
            }
            if (r.flour()) {
                flour += r.mass;
                flourPercent += r.percent;
            }
            if (r.ingredient == Ingredient::Water || r.ingredient == Ingredient::LevainWater) {
                water += r.mass;
            }
            if (r.ingredient == Ingredient::Levain) {
                EXPECT_NEAR(parts, 0, 1e-9);
                parts = -r.mass;
            }
        }
        EXPECT_NEAR(parts, 0, 1e-9) << "the levain's flour and water make the levain";
        EXPECT_NEAR(sum, table->total, 1e-6);
        EXPECT_NEAR(flourPercent, 100, 1e-9);
        EXPECT_NEAR(table->hydration[1], water / flour * 100, 1e-9);
        EXPECT_NEAR(table->hydration[0], water / (water + flour) * 100, 1e-9);
        // What was asked, as near as masses rounded one by one allow.
        EXPECT_NEAR(table->total, total, step * 2);
        EXPECT_NEAR(table->pieceWeight * table->pieces, table->total, 1e-9);
        // The percentages asked for salt and yeast are the ones shown, their masses within a unit.
        const RecipeRow& salt = table->rows[table->rows.size() - 2];
        const RecipeRow& yeast = table->rows.back();
        EXPECT_EQ(salt.percent, row.recipe.salt);
        EXPECT_EQ(yeast.percent, row.recipe.yeast);
        EXPECT_NEAR(salt.mass, flour * row.recipe.salt / 100, step / 2 + 1e-9);
    }
}

// The table follows the sentence, rides with undo and with the kept calculation, and goes with a
// new calculation; elsewhere than a dough there is none.
TEST(Recipe, FollowsTheSentenceAndItsHistory) {
    testing::OpenedWindow opened(QLocale::c());
    Window& w = opened.w;
    applyRecipe(w, {6, 2, 0.5}, 1500);
    EXPECT_EQ(w.Q1.text(), QStringLiteral("1479"));
    EXPECT_TRUE(calculationText(w).contains(u"Recette : 6 pâtons de 250 gr\nfarine"));
    userPaste(w.H1, QStringLiteral("65"));
    auto table = recipeTable(w);
    ASSERT_TRUE(table);
    EXPECT_EQ(table->pieces, 6);
    EXPECT_NEAR(table->pieceWeight, table->total / 6, 1e-9);

    const QByteArray kept = saveCalculation(w);
    runAction(w, action(ActionId::Undo));  // the hydration
    runAction(w, action(ActionId::Undo));  // the recipe and its dough, in one step
    EXPECT_FALSE(w.recipe());
    EXPECT_EQ(w.Q1.text(), QStringLiteral("1200"));
    EXPECT_FALSE(calculationText(w).contains(u"Recette"));
    runAction(w, action(ActionId::Redo));
    EXPECT_EQ(w.recipe(), (RecipeInputs{6, 2, 0.5}));

    runAction(w, action(ActionId::NewCalculation));
    EXPECT_FALSE(w.recipe());
    ASSERT_TRUE(resumeCalculation(w, kept));
    EXPECT_EQ(w.recipe(), (RecipeInputs{6, 2, 0.5}));
    EXPECT_EQ(recipeTable(w)->totalText, table->totalText);

    userClick(w.optionL(4));
    EXPECT_FALSE(recipeTable(w));
    EXPECT_FALSE(actionEnabled(w, action(ActionId::Recipe)));
    EXPECT_FALSE(whyDisabled(w, action(ActionId::Recipe)).isEmpty());
    const QString before = w.Q1.text();
    applyRecipe(w, {2, 2, 0}, 500);  // refused where it does not apply
    EXPECT_EQ(w.Q1.text(), before);
    EXPECT_EQ(w.recipe(), (RecipeInputs{6, 2, 0.5}));
}

// The one check of a recipe asked for, at its bounds: each row a request as typed (pieces, weight,
// salt, yeast) in a locale and a mass unit, and the field refused with the start of its reason
// (none: accepted). Either decimal mark is taken; pieces weighing less than a unit in all are not.
TEST(Recipe, TheRequestIsCheckedAtItsBounds) {
    const struct Row {
        const char* name;
        const char* locale;
        double step;
        std::array<const char*, 4> texts;
        std::optional<RecipeField> refused;
        const char* why;
    } rows[] = {
        {"usual", "fr_FR", 1, {"6", "250", "2", "0,5"}, std::nullopt, ""},
        {"the other mark", "fr_FR", 1, {"6", "250", "2.2", "0.5"}, std::nullopt, ""},
        {"both marks", "fr_FR", 1, {"6", "250", "2", "1.000,5"}, RecipeField::Yeast, "un pourc"},
        {"one gram in all", "fr_FR", 1, {"4", "0,25", "20", "20"}, std::nullopt, ""},
        {"half a gram",
         "fr_FR",
         1,
         {"1", "0,5", "2", "0"},
         RecipeField::Weight,
         "au moins 1 gr pour tous les pâtons"},
        {"a tiny weight",
         "fr_FR",
         1,
         {"6", "0,0001", "2", "0"},
         RecipeField::Weight,
         "au moins 1 gr"},
        {"many tiny pieces", "C", 1, {"10000", "0.0001", "2", "0"}, std::nullopt, ""},
        {"a gram in kilograms", "C", 0.001, {"1", "0.001", "2", "0"}, std::nullopt, ""},
        {"under a gram in kilograms",
         "fr_FR",
         0.001,
         {"2", "0,0002", "2", "0"},
         RecipeField::Weight,
         "au moins 0,001 kg"},
        {"no piece", "C", 1, {"0", "250", "2", "0"}, RecipeField::Pieces, "un nombre entier"},
        {"most pieces", "fr_FR", 1, {"10000", "1", "2", "0"}, std::nullopt, ""},
        {"too many pieces", "C", 1, {"10001", "1", "2", "0"}, RecipeField::Pieces, "un nombre"},
        {"half a piece", "C", 1, {"2.5", "250", "2", "0"}, RecipeField::Pieces, "un nombre"},
        {"no weight", "C", 1, {"6", "0", "2", "0"}, RecipeField::Weight, "un poids"},
        {"most salt", "C", 1, {"6", "250", "20", "20"}, std::nullopt, ""},
        {"too much salt", "C", 1, {"6", "250", "20.01", "0"}, RecipeField::Salt, "un pourc"},
        {"negative yeast", "de_DE", 1, {"6", "250", "2", "-0,1"}, RecipeField::Yeast, "un pourc"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QLocale locale = row.locale == std::string("C")
                                   ? QLocale::c()
                                   : QLocale(QString::fromLatin1(row.locale));
        RecipeRequest request;
        for (RecipeField f : recipeFields) {
            request[f] = QString::fromUtf8(row.texts[std::size_t(f)]);
        }
        const RecipeCheck check =
            checkRecipe(request, locale,
                        {row.step, row.step < 1 ? QStringLiteral("kg") : QStringLiteral("gr")});
        EXPECT_EQ(check.inputs.has_value(), !row.refused);
        for (RecipeField f : recipeFields) {
            if (f == row.refused) {
                EXPECT_TRUE(check.problem(f).startsWith(QString::fromUtf8(row.why)))
                    << check.problem(f).toStdString();
            } else {
                EXPECT_TRUE(check.problem(f).isEmpty()) << check.problem(f).toStdString();
            }
        }
        EXPECT_LE(check.problem(RecipeField::Weight).size(), longestRecipeProblem(locale).size());
    }
}

}  // namespace
}  // namespace fournil

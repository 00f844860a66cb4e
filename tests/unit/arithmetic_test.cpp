#include "engine/arithmetic.h"
#include "engine/numbers.h"

#include <gtest/gtest.h>

#include <limits>

namespace fournil {
namespace {

// The fractions as the hydration units give them, in single precision.
float flourPercentFraction(double p) {
    return float(p / (p + 100));
}
float doughPercentFraction(double p) {
    return float(p / 100);
}

struct BalanceRow {
    const char* name;
    double given;
    bool givenQ1;
    float F1, F2;
    double computed;
    bool flour;
};

// The steps the pass takes: which column, then the unrounded quantity, rounded as it is written.
TEST(Balance, WorkedValuesOfTheFourBalanceModes) {
    const BalanceRow rows[] = {
        {"mode 1: 1200 at 70", 1200, true, flourPercentFraction(70), 0, 706, false},
        {"mode 1 keystroke: 12005 at 70", 12005, true, flourPercentFraction(70), 0, 7062, false},
        // 1072.50002, not 1072.5, because F1 is single precision.
        {"mode 2: 650 of flour at 65", 650, false, flourPercentFraction(65), 0, 1073, false},
        {"mode 2: 650,5 of flour", 650.5, false, flourPercentFraction(65), 0, 1073, false},
        {"mode 4: 1500 at 50 % pâte to 68", 1500, false, flourPercentFraction(68),
         doughPercentFraction(50), 1853, true},
        {"mode 4: 1500,5", 1500.5, false, flourPercentFraction(68), doughPercentFraction(50), 1854,
         true},
        {"mode 5: 3500 at 66 from 50 % pâte", 3500, true, flourPercentFraction(66),
         doughPercentFraction(50), 2783, true},
        {"equal fractions take the water column", 800, true, 0.5f, 0.5f, 800, false},
        {"mode 4 wetter: water added", 1000, false, 0.6f, 0.5f, 1250, false},
    };
    for (const BalanceRow& row : rows) {
        SCOPED_TRACE(row.name);
        const bool flour = addsFlour(row.F1, row.F2);
        EXPECT_EQ(flour, row.flour);
        const auto q = row.givenQ1 ? balancedQuantity(row.given, row.F1, row.F2, flour)
                                   : balancedQuantity(row.given, row.F2, row.F1, flour);
        ASSERT_TRUE(q);
        EXPECT_EQ(roundHalfEven(*q), row.computed);
    }
}

TEST(Balance, TheHalfOfMode2IsNotAHalfInSinglePrecision) {
    const auto q = balancedQuantity(650, 0, flourPercentFraction(65), false);
    ASSERT_TRUE(q);
    EXPECT_GT(*q, 1072.5);
    EXPECT_LT(*q, 1072.5001);
}

TEST(Balance, FaultsGiveNoValue) {
    // Mode 4 towards a hydration of 0 for a levain that holds water divides by F1 = 0.
    EXPECT_FALSE(balancedQuantity(1500, 0.5f, 0.0f, true));
    // Flour column of modes 1 and 5 with F2 = 0 needs a negative F1.
    EXPECT_FALSE(balancedQuantity(1200, -0.1f, 0.0f, true));
    // Water column with a divisor 1 - F1 of exactly 0 (mode 2 or 4), or 0 / 0 (modes 1 and 5).
    EXPECT_FALSE(balancedQuantity(1000, 0.5f, 1.0f, false));
    EXPECT_FALSE(balancedQuantity(1000, 1.0f, 1.0f, false));
    // Overflow from an absurd quantity.
    EXPECT_FALSE(balancedQuantity(std::numeric_limits<double>::max(), -0.5f, -1.0f, false));
}

struct WaterTemperatureRow {
    double q1, h1, h2, ef2, cold, hot;
};

TEST(WaterTemperature, WorkedValuesAndHalves) {
    const WaterTemperatureRow rows[] = {
        {32, 26, 72, 13, 25, 7},
        {5, 20, 30, 10, 2, 2},     // 2.5 and 2.5 both go to 2
        {32, 80, 72, 13, -4, 36},  // wanted hotter than the hot water
        {32, 10, 72, 13, 34, -2},  // wanted colder than the cold water
    };
    for (const WaterTemperatureRow& row : rows) {
        const auto cold = coldWater(row.q1, row.h1, row.h2, row.ef2);
        const auto hot = hotWater(row.q1, row.h1, row.h2, row.ef2);
        ASSERT_TRUE(cold && hot);
        EXPECT_EQ(roundHalfEven(*cold), row.cold);
        EXPECT_EQ(roundHalfEven(*hot), row.hot);
    }
    EXPECT_FALSE(coldWater(32, 26, 50, 50));  // hot and cold at the same temperature
}

TEST(DoughWithLevain, WorkedValuesAndIncoherence) {
    const auto water = addedWater(1200, flourPercentFraction(70), 150, flourPercentFraction(100));
    ASSERT_TRUE(water);
    EXPECT_EQ(roundHalfEven(*water), 419);
    const auto tooMuch = addedWater(100, flourPercentFraction(70), 150, flourPercentFraction(100));
    ASSERT_TRUE(tooMuch);
    EXPECT_LT(*tooMuch, 0);
}

struct CorrectionRow {
    const char* name;
    double levain;
    float F1;
    double hydration, water, flour;
};

// The steps of the recipe correction: the hydration in % of the flour, the water the levain
// holds, rounded as written, and the flour that remains.
TEST(LevainCorrection, WorkedValues) {
    const CorrectionRow rows[] = {
        {"mode 4", 1853, flourPercentFraction(68), 68, 750, 1103},
        {"mode 5", 3500, flourPercentFraction(66), 66, 1392, 2108},
        {"mode 4 with 1500,5 available", 1854, flourPercentFraction(68), 68, 750, 1104},
        {"% pâte 50 is 100 % farine", 1000, doughPercentFraction(50), 100, 500, 500},
        {"% pâte 99", 1000, doughPercentFraction(99), 9900, 990, 10},
    };
    for (const CorrectionRow& row : rows) {
        SCOPED_TRACE(row.name);
        const auto percent = percentOfFlour(row.F1);
        const auto water = product(row.levain, row.F1);
        ASSERT_TRUE(percent && water);
        EXPECT_EQ(roundHalfEven(*percent), row.hydration);
        EXPECT_EQ(roundHalfEven(*water), row.water);
        EXPECT_EQ(difference(row.levain, roundHalfEven(*water)), row.flour);
    }
    EXPECT_FALSE(percentOfFlour(1.0f));  // divides by 1 - F1 = 0
}

}  // namespace
}  // namespace fournil

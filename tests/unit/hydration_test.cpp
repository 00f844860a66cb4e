#include "engine/hydration.h"
#include "engine/numbers.h"
#include "readback.h"

#include <gtest/gtest.h>

#include "qstring_printer.h"

namespace fournil {
namespace {

using enum HydrationUnit;
const QLocale french(QStringLiteral("fr_FR"));
const QLocale c = QLocale::c();

struct ConversionRow {
    const char* name;
    HydrationUnit unit;
    const char16_t* typed;
    const char16_t* denominator;
    const QLocale* locale;
    const char* fraction;  // 7 significant digits, or "" for no value
};

TEST(WaterFraction, ConvertsEveryUnit) {
    const ConversionRow rows[] = {
        {"% pâte 50", PercentOfDough, u"50", u"", &c, "0.5"},
        {"% pâte 99", PercentOfDough, u"99", u"", &c, "0.99"},
        {"% farine 70", PercentOfFlour, u"70", u"", &c, "0.4117647"},
        {"% farine 60", PercentOfFlour, u"60", u"", &c, "0.375"},
        {"% farine 66", PercentOfFlour, u"66", u"", &c, "0.3975904"},
        {"% farine 68", PercentOfFlour, u"68", u"", &c, "0.4047619"},
        {"% farine 65", PercentOfFlour, u"65", u"", &c, "0.3939394"},
        {"fraction pâte 2/5", FractionOfDough, u"2", u"5", &c, "0.4"},
        {"fraction pâte 2/3", FractionOfDough, u"2", u"3", &c, "0.6666667"},
        {"fraction farine 2/3", FractionOfFlour, u"2", u"3", &c, "0.4"},
        {"fraction farine 70/100", FractionOfFlour, u"70", u"100", &c, "0.4117647"},
        {"fraction pâte 70/100 is % pâte 70", FractionOfDough, u"70", u"100", &c, "0.7"},
        {"fraction pâte 2 over 3,5", FractionOfDough, u"2", u"3,5", &french, "0.5714286"},
        {"fraction pâte 2 over 3.5", FractionOfDough, u"2", u"3.5", &c, "0.5714286"},
        // The denominator of "fraction farine" is read by the locale too: 2 / 5.5, not 2 / 5.
        {"fraction farine 2 over 3,5", FractionOfFlour, u"2", u"3,5", &french, "0.3636364"},
        {"fraction farine 2 over 0,5", FractionOfFlour, u"2", u"0,5", &french, "0.8"},
        {"% pâte 12,5 French", PercentOfDough, u"12,5", u"", &french, "0.125"},
        {"% farine -100 divides by zero", PercentOfFlour, u"-100", u"", &c, ""},
        {"fraction farine 0 over 0", FractionOfFlour, u"0", u"0", &c, ""},
        {"fraction pâte over 0", FractionOfDough, u"3", u"0", &c, ""},
        {"fraction pâte 0 over 0", FractionOfDough, u"0", u"0", &c, ""},
        {"not a number", PercentOfDough, u"abc", u"", &c, ""},
        {"denominator not a number", FractionOfDough, u"2", u"", &c, ""},
    };
    for (const ConversionRow& row : rows) {
        SCOPED_TRACE(row.name);
        const auto f = waterFraction(row.unit, QString::fromUtf16(row.typed),
                                     QString::fromUtf16(row.denominator), *row.locale);
        EXPECT_EQ(f ? floatText(*f) : QString(), QString::fromLatin1(row.fraction));
    }
}

TEST(WaterFraction, NeverStoresANonFiniteFraction) {
    const QString huge = QStringLiteral("1") + QString(60, u'0');  // beyond single precision
    EXPECT_FALSE(waterFraction(PercentOfDough, huge, {}, c));
    EXPECT_FALSE(waterFraction(FractionOfDough, huge, u"0,001", french));
}

TEST(WaterFraction, IsStoredInSinglePrecision) {
    const auto f = waterFraction(PercentOfFlour, u"70", {}, c);
    ASSERT_TRUE(f);
    EXPECT_EQ(*f, float(70.0 / 170.0));
    EXPECT_NE(double(*f), 70.0 / 170.0);
}

TEST(DetermineHyd, ReadsEachGroupInItsSelectedUnit) {
    Window w;
    EXPECT_TRUE(Détermine_Hyd(w));  // "% farine" 70 and "% pâte" 50
    EXPECT_EQ(floatText(w.FracEau1), QStringLiteral("0.4117647"));
    EXPECT_EQ(w.FracEau2, 0.5f);

    w.optionH(1).setSelected(true);  // 70 now reads as 70 % of the dough
    w.optionH(7).setSelected(true);  // 50 over 100
    EXPECT_TRUE(Détermine_Hyd(w));
    EXPECT_EQ(w.FracEau1, 0.7f);
    EXPECT_EQ(w.FracEau2, 0.5f);

    // A group whose texts give no fraction keeps the one it had.
    w.H2d.setText(QStringLiteral("0"));
    w.H1.setText(QStringLiteral("abc"));
    EXPECT_FALSE(Détermine_Hyd(w));
    EXPECT_EQ(w.FracEau1, 0.7f);
    EXPECT_EQ(w.FracEau2, 0.5f);

    // With no button of a group selected, its fraction stays too.
    w.H2d.setText(QStringLiteral("100"));
    w.optionH(1).setSelected(false);
    w.H1.setText(QStringLiteral("10"));
    EXPECT_TRUE(Détermine_Hyd(w));
    EXPECT_EQ(w.FracEau1, 0.7f);
}

}  // namespace
}  // namespace fournil

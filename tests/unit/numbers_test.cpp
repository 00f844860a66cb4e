#include "engine/numbers.h"

#include <gtest/gtest.h>

#include "qstring_printer.h"

#include <cmath>
#include <random>

namespace fournil {
namespace {

const QLocale french(QStringLiteral("fr_FR"));
const QLocale english(QStringLiteral("en_US"));
const QLocale c = QLocale::c();

struct ReadingRow {
    const char* name;
    const QLocale* locale;
    const char16_t* text;
    std::optional<double> value;
};

TEST(LectureLocale, ReadsExactlyTheNumbersOfTheLocale) {
    const std::optional<double> none;
    const ReadingRow rows[] = {
        {"integer", &c, u"1200", 1200},
        {"decimal point", &c, u"12.5", 12.5},
        {"typing 12.", &c, u"12.", 12},
        {"typing .5", &c, u".5", 0.5},
        {"negative", &c, u"-5", -5},
        {"plus sign", &c, u"+4", 4},
        {"blanks around", &c, u" 12 ", 12},
        {"empty", &c, u"", none},
        {"blank", &c, u" ", none},
        {"sign alone", &c, u"-", none},
        {"plus alone", &c, u"+", none},
        {"point alone", &c, u".", none},
        {"comma under C", &c, u"1,5", none},
        {"slash", &c, u"2/3", none},
        {"letters", &c, u"abc", none},
        {"trailing letter", &c, u"12a", none},
        {"two signs", &c, u"--1", none},
        {"exponent", &c, u"1e5", none},
        {"infinity", &c, u"inf", none},
        {"inner blank", &c, u"1 200", none},
        {"French decimal", &french, u"3,5", 3.5},
        {"French typing 12,", &french, u"12,", 12},
        {"French typing ,5", &french, u",5", 0.5},
        {"French negative", &french, u"-0,25", -0.25},
        {"French comma alone", &french, u",", none},
        {"French point", &french, u"1.5", none},
        {"French thousands", &french, u"1 200", none},
        {"French narrow thousands", &french, u"1\u202F200", none},
        {"English thousands", &english, u"1,500", none},
        {"English decimal", &english, u"1.5", 1.5},
    };
    for (const ReadingRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(LectureLocale(row.text, *row.locale), row.value);
    }
}

TEST(LectureLocale, MagnitudesBeyondDoublePrecision) {
    EXPECT_FALSE(LectureLocale(QStringLiteral("1") + QString(400, u'0'), c));
    const auto tiny = LectureLocale(QStringLiteral("0,") + QString(400, u'0') + u'1', french);
    ASSERT_TRUE(tiny);
    EXPECT_EQ(*tiny, 0.0);
}

struct PointRow {
    const char16_t* text;
    double value;
};

TEST(LecturePoint, ReadsTheLeadingNumberWithAPoint) {
    const PointRow rows[] = {
        {u"3,5", 3},  {u"12abc", 12},  {u" 1 2 . 5 ", 12.5}, {u"\t-\n4", -4},
        {u"abc", 0},  {u"", 0},        {u"1e3", 1000},       {u"1E-3", 0.001},
        {u"1e", 1},   {u"1e+", 1},     {u".5", 0.5},         {u"-.5", -0.5},
        {u"+", 0},    {u"1.2.3", 1.2}, {u"72,5", 72},        {u"99,5", 99},
        {u"- 7", -7}, {u"0,5", 0},     {u"1 200", 1200},     {u"2/3", 2},
    };
    for (const PointRow& row : rows) {
        EXPECT_EQ(LecturePoint(row.text), row.value) << QString::fromUtf16(row.text).toStdString();
    }
    EXPECT_TRUE(std::isinf(LecturePoint(u"1e400")));
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, double> rows[] = {
        {2.5, 2},     {3.5, 4},      {-2.5, -2},           {0.5, 0},
        {1.5, 2},     {705.88, 706}, {1072.5000199, 1073}, {1072.5, 1072},
        {-0.4, -0.0}, {24.949, 25},
    };
    for (const auto& [value, rounded] : rows) {
        EXPECT_EQ(roundHalfEven(value), rounded) << value;
    }
}

struct TextRow {
    double value;
    const QLocale* locale;
    const char16_t* rounded;
    const char16_t* unrounded;
};

TEST(NumberTexts, RoundedAndUnroundedTexts) {
    const TextRow rows[] = {
        {706, &c, u"706", u"706"},
        {-12, &c, u"-12", u"-12"},
        {422.5, &c, u"422", u"422.5"},
        {422.5, &french, u"422", u"422,5"},
        {-353.5, &french, u"-354", u"-353,5"},
        {-0.25, &french, u"0", u"-0,25"},
        {0.1 + 0.2, &french, u"0", u"0,3"},
        {1.0 / 3.0, &c, u"0", u"0.333333333333333"},
        {1e20, &c, u"100000000000000000000", u"100000000000000000000"},
        {123456789012345678.0, &c, u"123456789012345680", u"123456789012346000"},
        {1.5e-10, &french, u"0", u"0,00000000015"},
        {1234567.125, &english, u"1234567", u"1234567.125"},
    };
    for (const TextRow& row : rows) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(roundedText(row.value), QString::fromUtf16(row.rounded));
        EXPECT_EQ(unroundedText(row.value, *row.locale), QString::fromUtf16(row.unrounded));
    }
}

// Whatever the system writes reads back under the same locale, to the very value it spells.
TEST(NumberTexts, EveryWrittenTextReadsBack) {
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-300, 300);
    for (const QLocale* locale : {&c, &french, &english}) {
        for (int i = 0; i < 2000; ++i) {
            const double value = std::ldexp(mantissa(random), exponent(random));
            const QString unrounded = unroundedText(value, *locale);
            const auto back = LectureLocale(unrounded, *locale);
            ASSERT_TRUE(back) << unrounded.toStdString();
            EXPECT_EQ(unroundedText(*back, *locale), unrounded);
            const auto whole = LectureLocale(roundedText(value), *locale);
            ASSERT_TRUE(whole);
            EXPECT_EQ(*whole, roundHalfEven(value) + 0.0);
        }
    }
}

}  // namespace
}  // namespace fournil

#include "engine/calcule.h"
#include "readback.h"

#include <gtest/gtest.h>

#include "qstring_printer.h"

#include <map>

namespace fournil {
namespace {

// Selects a mode as the mode buttons leave it: one button of the two mode frames.
void selectMode(Window& w, int mode) {
    for (int i = 1; i <= 6; ++i) {
        w.optionL(i).setSelected(i == mode);
    }
}

QString text(const Window& w, const char* ref) {
    const QString r = QString::fromLatin1(ref);
    const qsizetype dot = r.lastIndexOf(u'.');
    const QString name = r.left(dot).section(u'(', 0, 0);
    const int index = r.contains(u'(') ? r.section(u'(', 1).section(u')', 0, 0).toInt() : -1;
    return readProperty(w, *w.find(name, index), r.mid(dot + 1))->bare();
}

using Inputs = std::vector<std::pair<const char*, const char16_t*>>;

// Puts a row's mode, hydration units and field texts into a fresh window.
void prepare(Window& w, int mode, const std::vector<int>& units, const Inputs& inputs) {
    selectMode(w, mode);
    for (int unit : units) {
        w.optionH(unit).setSelected(true);
    }
    for (const auto& [field, value] : inputs) {
        const QString f = QString::fromLatin1(field);
        static_cast<TextBox*>(w.find(f.section(u'(', 0, 0), f.contains(u'(') ? 2 : -1))
            ->setText(QString::fromUtf16(value));
    }
}

struct ModeRow {
    const char* name;
    int mode;
    const char* locale;
    std::vector<std::pair<const char*, const char16_t*>> inputs;  // field, text
    std::vector<int> units;                                       // optionH selected
    std::vector<std::pair<const char*, const char16_t*>> expected;
};

TEST(Calcule, WorkedValuesOfEveryMode) {
    const ModeRow rows[] = {
        {"mode 1",
         1,
         "C",
         {{"Q1", u"1200"}, {"H1", u"70"}},
         {2},
         {{"Q2.text", u"706"},
          {"EF(1).text", u"494"},
          {"EFLabel(1).caption", u"d'eau"},
          {"H2.text", u"0"},
          {"Phrase(10).caption", u""}}},
        {"mode 1, keystroke",
         1,
         "C",
         {{"Q1", u"12005"}},
         {2},
         {{"Q2.text", u"7062"}, {"EF(1).text", u"4943"}}},
        {"mode 2",
         2,
         "C",
         {{"Q2", u"650"}, {"H1", u"65"}},
         {2},
         {{"Q1.text", u"1073"},
          {"EF(1).text", u"423"},
          {"EFLabel(1).caption", u"d'eau"},
          {"Phrase(10).caption", u"Pour une quantité de pâte de 1073 gr."}}},
        {"mode 2, French decimal",
         2,
         "fr_FR",
         {{"Q2", u"650,5"}, {"H1", u"65"}},
         {2},
         {{"Q1.text", u"1073"}, {"EF(1).text", u"422,5"}}},
        {"mode 2, C decimal",
         2,
         "C",
         {{"Q2", u"650.5"}, {"H1", u"65"}},
         {2},
         {{"EF(1).text", u"422.5"}}},
        {"mode 3",
         3,
         "C",
         {{"Q1", u"32"}, {"H1", u"26"}, {"H2", u"72"}, {"EF(2)", u"13"}},
         {},
         {{"EF(1).text", u"25"}, {"Q2.text", u"7"}, {"Phrase(10).caption", u""}}},
        {"mode 3, halves",
         3,
         "C",
         {{"Q1", u"5"}, {"H1", u"20"}, {"H2", u"30"}, {"EF(2)", u"10"}},
         {},
         {{"EF(1).text", u"2"}, {"Q2.text", u"2"}}},
        {"mode 3, hot water of 0 becomes 100",
         3,
         "C",
         {{"Q1", u"10"}, {"H1", u"50"}, {"H2", u"0"}, {"EF(2)", u"0"}},
         {},
         {{"H2.text", u"100"}, {"EF(1).text", u"5"}, {"Q2.text", u"5"}}},
        {"mode 3, wanted hotter than the hot water",
         3,
         "C",
         {{"Q1", u"32"}, {"H1", u"80"}, {"H2", u"72"}, {"EF(2)", u"13"}},
         {},
         {{"EF(1).text", u"-4"}, {"Phrase(10).caption", u"Incohérence dans les températures"}}},
        {"mode 4",
         4,
         "C",
         {{"Q2", u"1500"}, {"H2", u"50"}, {"H1", u"68"}},
         {2, 5},
         {{"Q1.text", u"1853"},
          {"EF(1).text", u"353"},
          {"EFLabel(1).caption", u"de farine"},
          {"X(1).caption", u"1853"},
          {"X(2).caption", u"68"},
          {"X(4).caption", u"750"},
          {"X(3).caption", u"1103"},
          {"gr(6).visible", u"true"},
          {"Phrase(10).caption", u"Correction d'une recette à la levure"},
          {"Phrase(11).caption", u"(hydratation en % farine)"},
          {"Phrase(9).caption", u"il faut retrancher:"}}},
        // The levain obtained counts its decimal part: 353,5 + 1500,5.
        {"mode 4, decimal levain",
         4,
         "fr_FR",
         {{"Q2", u"1500,5"}, {"H2", u"50"}, {"H1", u"68"}},
         {2, 5},
         {{"Q1.text", u"1854"},
          {"EF(1).text", u"353,5"},
          {"X(1).caption", u"1854"},
          {"X(4).caption", u"750"},
          {"X(3).caption", u"1104"}}},
        {"mode 5",
         5,
         "C",
         {{"Q1", u"3500"}, {"H1", u"66"}, {"H2", u"50"}},
         {2, 5},
         {{"Q2.text", u"2783"},
          {"EF(1).text", u"717"},
          {"EFLabel(1).caption", u"de farine"},
          {"X(1).caption", u"3500"},
          {"X(2).caption", u"66"},
          {"X(4).caption", u"1392"},
          {"X(3).caption", u"2108"}}},
        {"mode 5 copies Q1 as it stands",
         5,
         "fr_FR",
         {{"Q1", u" 3500,0"}, {"H1", u"66"}, {"H2", u"50"}},
         {2, 5},
         {{"X(1).caption", u" 3500,0"}, {"X(3).caption", u"2108"}}},
        {"mode 6",
         6,
         "C",
         {{"Q1", u"1200"}, {"H1", u"70"}, {"Q2", u"150"}, {"H2", u"100"}},
         {2, 6},
         {{"EF(2).text", u"419"},
          {"EF(1).text", u"631"},
          {"EFLabel(1).caption", u"de farine"},
          {"Phrase(10).caption", u""}}},
        {"mode 6, too much levain",
         6,
         "C",
         {{"Q1", u"100"}, {"H1", u"70"}, {"Q2", u"150"}, {"H2", u"100"}},
         {2, 6},
         {{"Phrase(10).caption", u"Incohérence dans les quantités"}}},
        {"no mode selected follows mode 4",
         0,
         "C",
         {{"Q2", u"1500"}, {"H2", u"50"}, {"H1", u"68"}},
         {2, 5},
         {{"Q1.text", u"1853"}, {"X(1).caption", u"1853"}}},
    };
    for (const ModeRow& row : rows) {
        SCOPED_TRACE(row.name);
        Window w;
        w.setLocale(QLocale(QString::fromLatin1(row.locale)));
        prepare(w, row.mode, row.units, row.inputs);
        Calcule(w);
        for (const auto& [ref, value] : row.expected) {
            EXPECT_EQ(text(w, ref), QString::fromUtf16(value)) << ref;
        }
    }
}

TEST(Calcule, UnitLabelsUnderLitresAndKilograms) {
    Window w;
    w.optionU(3).setSelected(true);
    Calcule(w);  // mode 1: water added
    EXPECT_EQ(w.gr(3).caption(), QStringLiteral("l"));
    selectMode(w, 4);
    w.optionH(5).setSelected(true);
    w.Q2.setText(QStringLiteral("1500"));
    w.H2.setText(QStringLiteral("50"));
    w.H1.setText(QStringLiteral("68"));
    Calcule(w);  // flour added
    EXPECT_EQ(w.gr(3).caption(), QStringLiteral("kg"));
    selectMode(w, 6);
    Calcule(w);
    EXPECT_EQ(w.gr(3).caption(), QStringLiteral("kg"));
    EXPECT_EQ(w.gr(0).caption(), QStringLiteral("l"));

    // Under "gr" the pass leaves the unit labels alone.
    Window g;
    g.gr(3).setCaption(QStringLiteral("gr"));
    Calcule(g);
    EXPECT_EQ(g.gr(3).caption(), QStringLiteral("gr"));
}

TEST(Calcule, AFaultEndsThePassAndSaysSo) {
    Window w;
    selectMode(w, 4);
    w.optionH(5).setSelected(true);
    w.Q2.setText(QStringLiteral("1500"));
    w.H2.setText(QStringLiteral("50"));
    w.H1.setText(QStringLiteral("68"));
    Calcule(w);
    ASSERT_EQ(w.X(1).caption(), QStringLiteral("1853"));

    // A wanted hydration of 0 for a levain that holds water divides by F1 = 0.
    w.H1.setText(QStringLiteral("0"));
    Calcule(w);
    EXPECT_EQ(w.Q1.text(), QStringLiteral("1853"));  // nothing after the fault is written
    EXPECT_EQ(w.Phrase(10).caption(), QStringLiteral("Calcul impossible avec ces valeurs"));
    for (int i : {6, 7, 8, 9, 11}) {
        EXPECT_EQ(w.Phrase(i).caption(), QString()) << i;
    }
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(w.X(i).caption(), QString()) << i;
    }
    EXPECT_FALSE(w.gr(4).visible());
    EXPECT_FALSE(w.gr(6).visible());

    // The next completed pass rewrites the lower sentence.
    w.H1.setText(QStringLiteral("68"));
    Calcule(w);
    EXPECT_EQ(w.Phrase(10).caption(), QStringLiteral("Correction d'une recette à la levure"));
    EXPECT_EQ(w.X(3).caption(), QStringLiteral("1103"));
}

struct FaultRow {
    const char* name;
    int mode;
    std::vector<int> units;
    std::vector<std::pair<const char*, const char16_t*>> inputs;
    std::vector<std::pair<const char*, const char16_t*>> kept;  // fields as the fault left them
};

TEST(Calcule, EveryFaultLeavesTheWindowUsable) {
    const FaultRow rows[] = {
        {"mode 3, hot and cold alike",
         3,
         {},
         {{"Q1", u"32"}, {"H1", u"26"}, {"H2", u"50"}, {"EF(2)", u"50"}},
         {{"EF(1).text", u"394"}, {"Q2.text", u"706"}}},
        {"mode 1, negative hydration into flour column",
         1,
         {6},
         {{"Q1", u"1200"}, {"H1", u"-10"}},
         {{"Q2.text", u"706"}}},
        {"mode 5, water column with fractions of 1",
         5,
         {1, 7},
         {{"Q1", u"1200"}, {"H1", u"100"}, {"H2", u"5"}, {"H2d", u"5"}},
         {{"Q2.text", u"706"}}},
        {"mode 1, quantity not a number", 1, {2}, {{"Q1", u"abc"}}, {{"Q2.text", u"706"}}},
        {"mode 4, hydration 100 % pâte",
         4,
         {1, 5},
         {{"Q2", u"1000"}, {"H1", u"100"}, {"H2", u"50"}},
         {}},
    };
    for (const FaultRow& row : rows) {
        SCOPED_TRACE(row.name);
        Window w;
        prepare(w, row.mode, row.units, row.inputs);
        Calcule(w);
        EXPECT_EQ(w.Phrase(10).caption(), QStringLiteral("Calcul impossible avec ces valeurs"));
        for (const auto& [ref, value] : row.kept) {
            EXPECT_EQ(text(w, ref), QString::fromUtf16(value)) << ref;
        }
        EXPECT_TRUE(std::isfinite(w.FracEau1) && std::isfinite(w.FracEau2));
    }
}

TEST(Calcule, AnAbsurdQuantityOverflows) {
    Window w;
    w.Q1.setText(QStringLiteral("1") + QString(308, u'0'));
    w.optionH(1).setSelected(true);
    w.H1.setText(QStringLiteral("-99999"));  // (1 - F1) is about 1000: Q1 × (1 - F1) overflows
    Calcule(w);
    EXPECT_EQ(w.Phrase(10).caption(), QStringLiteral("Calcul impossible avec ces valeurs"));
    EXPECT_EQ(w.Q2.text(), QStringLiteral("706"));
}

TEST(Calcule, NestedPassesResumeOnTheTextsTheyLeave) {
    // Q2's change handler recalculates, as the field handlers do: writing Q2 runs a nested pass
    // that finds the same results, and the outer pass then repeats texts already there.
    Window w;
    int passes = 0;
    w.Q2.onChange = [&] {
        ++passes;
        Calcule(w);
    };
    w.Q1.setText(QStringLiteral("12005"));
    WorkCounters counters;
    w.setCounters(&counters);
    Calcule(w);
    EXPECT_EQ(counters.passes, 2);
    EXPECT_EQ(passes, 1);
    EXPECT_EQ(w.Q2.text(), QStringLiteral("7062"));
    EXPECT_EQ(w.EF(1).text(), QStringLiteral("4943"));

    // A handler that changes an input inside the nested pass: the outer pass reads it back.
    w.Q2.onChange = [&] {
        if (w.Q1.text() == u"1000") {
            w.Q1.setText(QStringLiteral("2000"));
        }
        Calcule(w);
    };
    w.Q1.setText(QStringLiteral("1000"));
    Calcule(w);
    EXPECT_EQ(w.Q1.text(), QStringLiteral("2000"));
    EXPECT_EQ(w.Q2.text(), QStringLiteral("1176"));
    EXPECT_EQ(w.EF(1).text(), QStringLiteral("824"));
}

}  // namespace
}  // namespace fournil

#include "window/inventory.h"
#include "window/window.h"

#include <gtest/gtest.h>

#include "qstring_printer.h"

#include <set>

namespace fournil {
namespace {

struct ArrayRow {
    const char16_t* name;
    int lowest, highest;
};

TEST(WindowModel, ControlArraysHaveExactlyTheirMembers) {
    Window w;
    const ArrayRow rows[] = {
        {u"optionL", 1, 6},     {u"optionU", 1, 3}, {u"optionH", 1, 8},
        {u"Hydratation", 1, 2}, {u"EF", 1, 2},      {u"EFLabel", 1, 2},
        {u"Phrase", 0, 11},     {u"gr", 0, 6},      {u"X", 1, 4},
    };
    for (const ArrayRow& row : rows) {
        const QString name = QString::fromUtf16(row.name);
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(w.isArray(name));
        EXPECT_EQ(w.find(name, row.lowest - 1), nullptr);
        EXPECT_EQ(w.find(name, row.highest + 1), nullptr);
        for (int i = row.lowest; i <= row.highest; ++i) {
            EXPECT_NE(w.find(name, i), nullptr) << i;
        }
    }
}

TEST(WindowModel, AnIndexOutsideAnArrayIsAProgrammingError) {
    Window w;
    EXPECT_THROW(w.optionL(0), std::out_of_range);
    EXPECT_THROW(w.optionL(7), std::out_of_range);
    EXPECT_THROW(w.optionH(9), std::out_of_range);
    EXPECT_THROW(w.Phrase(12), std::out_of_range);
    EXPECT_THROW(w.gr(7), std::out_of_range);
    EXPECT_THROW(w.X(0), std::out_of_range);
    EXPECT_THROW(w.EF(3), std::out_of_range);
    EXPECT_THROW(w.Hydratation(0), std::out_of_range);
    EXPECT_NO_THROW(w.Phrase(0));
    EXPECT_NO_THROW(w.gr(6));
}

TEST(WindowModel, NamedControlsAreTheInventorysOwn) {
    Window w;
    EXPECT_EQ(w.optionL(3).displayName(), QStringLiteral("optionL(3)"));
    EXPECT_EQ(w.optionL(3).caption(), QStringLiteral("t° eau de coulage"));
    EXPECT_EQ(w.Phrase(0).displayName(), QStringLiteral("Phrase(0)"));
    EXPECT_EQ(w.Q1.displayName(), QStringLiteral("Q1"));
    EXPECT_EQ(&w.Hydratation(2), w.find(u"Hydratation", 2));
    EXPECT_EQ(w.optionH(7).container(), &w.Hydratation(2));
    EXPECT_EQ(w.optionL(4).container(), &w.Levain);
    EXPECT_EQ(w.Q1.container(), &w.Fournil);
    EXPECT_EQ(w.Fournil.container(), nullptr);
}

TEST(WindowModel, NamesAreUniqueAndContainersAreFrames) {
    std::set<std::pair<QString, int>> seen;
    for (const ControlEntry& entry : inventory()) {
        EXPECT_TRUE(seen.insert({entry.name.toString(), entry.index}).second)
            << entry.name.toString().toStdString() << entry.index;
    }
    Window w;
    for (Control* c : w.controls()) {
        if (c->container() != nullptr) {
            EXPECT_TRUE(c->container()->kind() == Kind::Frame ||
                        c->container()->kind() == Kind::Window)
                << c->displayName().toStdString();
        }
    }
}

TEST(WindowModel, CaptionsKeepTheirTrailingBlanks) {
    Window w;
    EXPECT_EQ(w.Phrase(2).caption(), QStringLiteral("de pâte hydraté à") + QString(3, u' '));
    EXPECT_EQ(w.Phrase(4).caption(), QStringLiteral("de farine") + QString(19, u' '));
}

TEST(WindowModel, KeyboardOrderNamesRealControlsAndStartsOnH1) {
    Window w;
    for (const ControlRef& ref : keyboardOrder()) {
        EXPECT_NE(w.find(ref.name, ref.index), nullptr) << ref.name.toString().toStdString();
    }
    EXPECT_EQ(keyboardOrder().size(), 26u);
    EXPECT_EQ(w.firstFocusable(), &w.H1);
    // Only the selected button of a group is a tab stop; a disabled frame's buttons are none.
    EXPECT_TRUE(w.takesTabFocus(w.optionH(2)));
    EXPECT_FALSE(w.takesTabFocus(w.optionH(1)));
    EXPECT_FALSE(w.takesTabFocus(w.optionH(5)));
    EXPECT_FALSE(w.takesTabFocus(w.Q2));
}

TEST(WindowModel, WindowLevelValuesHaveTheirTypes) {
    Window w;
    static_assert(std::is_same_v<decltype(w.TypeCalcul), std::int16_t>);
    static_assert(std::is_same_v<decltype(w.UniteH2), std::int16_t>);
    static_assert(std::is_same_v<decltype(w.FracEau1), float>);
    EXPECT_EQ(w.FracEau1, 0.0f);
    EXPECT_EQ(w.FracEau2, 0.0f);
}

}  // namespace
}  // namespace fournil

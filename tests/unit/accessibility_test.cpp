#include "guidance/accessibility.h"
#include "window/startup.h"
#include "window/user_events.h"
#include "wiring/actions.h"
#include "wiring/binding.h"

#include <gtest/gtest.h>

#include "fake_platform.h"

#include "qstring_printer.h"

#include <functional>

namespace fournil {
namespace {

struct NameRow {
    int mode;
    const char* box;
    const char16_t* name;
};

// What a screen reader calls each box of the sentence, mode by mode, at the opening units.
TEST(AccessibleNames, EachBoxSaysWhatItHoldsInTheMode) {
    const NameRow rows[] = {
        {1, "Q1", u"quantité de pâte, gr"},
        {1, "H1", u"hydratation de la pâte, % farine"},
        {1, "Q2", u"farine, gr"},
        {1, "EF(1)", u"eau, gr"},
        {2, "H1", u"hydratation de la pâte, % farine"},
        {2, "Q2", u"farine, gr"},
        {2, "EF(1)", u"eau, gr"},
        {3, "Q1", u"quantité d'eau, gr"},
        {3, "H1", u"température de l'eau, °C"},
        {3, "Q2", u"eau chaude, gr"},
        {3, "H2", u"température de l'eau chaude, °C"},
        {3, "EF(1)", u"eau froide, gr"},
        {3, "EF(2)", u"température de l'eau froide, °C"},
        {4, "H1", u"hydratation du levain voulu, % farine"},
        {4, "Q2", u"levain, gr"},
        {4, "H2", u"hydratation du levain, % pâte"},
        {4, "EF(1)", u"eau, gr"},
        {5, "Q1", u"quantité de levain voulu, gr"},
        {5, "Q2", u"levain, gr"},
        {5, "EF(1)", u"eau, gr"},
        {6, "Q1", u"quantité de pâte, gr"},
        {6, "Q2", u"levain, gr"},
        {6, "EF(1)", u"farine, gr"},
        {6, "EF(2)", u"eau, gr"},
        {1, "Hydratation(1)", u"unité de l'hydratation de la pâte"},
        {3, "Hydratation(1)", u"unité d'hydratation"},
        {4, "Hydratation(1)", u"unité de l'hydratation du levain voulu"},
        {4, "Hydratation(2)", u"unité de l'hydratation du levain"},
        {6, "Pâte", u"calcul sur une pâte"},
        {6, "Levain", u"calcul sur un levain"},
        {6, "Unités", u"unité de masse"},
    };
    for (const NameRow& row : rows) {
        SCOPED_TRACE(std::to_string(row.mode) + " " + row.box);
        testing::OpenedWindow opened;
        Window& w = opened.w;
        userClick(w.optionL(row.mode));
        const QString box = QString::fromUtf8(row.box);
        const qsizetype paren = box.indexOf(u'(');
        const Control* c = paren < 0
                               ? w.find(box)
                               : w.find(box.left(paren), box.mid(paren + 1).chopped(1).toInt());
        EXPECT_EQ(accessibleName(w, *c), QString::fromUtf16(row.name));
    }
}

TEST(AccessibleNames, FollowTheUnits) {
    testing::OpenedWindow opened;
    Window& w = opened.w;
    userClick(w.optionH(4));
    userClick(w.optionU(2));
    EXPECT_EQ(accessibleName(w, w.H1), QStringLiteral("hydratation de la pâte, fraction farine"));
    EXPECT_EQ(accessibleName(w, w.H1d), QStringLiteral("dénominateur, hydratation de la pâte"));
    EXPECT_EQ(accessibleName(w, w.Q1), QStringLiteral("quantité de pâte, kg"));
    EXPECT_EQ(accessibleName(w, w.optionL(3)), QStringLiteral("t° eau de coulage"));
    EXPECT_EQ(accessibleName(w, w.Image1), QStringLiteral("Logo de Fournil"));
}

// What a key that acts says, heard once: a copy says what it copied, which the clipboard does not
// show; a new calculation says so and its answer, even when it is the answer before.
TEST(Announcements, EachActionSaysWhatItDidOnce) {
    struct Row {
        const char* name;
        std::function<void(Window&)> before;
        ActionId action;
        std::function<QString(Window&)> expected;
    };
    const auto nothing = [](Window&) {};
    const Row rows[] = {
        {"copy of the calculation", nothing, ActionId::Copy,
         [](Window&) { return QStringLiteral("Calcul copié"); }},
        {"copy of a selection", [](Window& w) { userSelect(w.Q1, 0, 2); }, ActionId::Copy,
         [](Window& w) { return QStringLiteral("« %1 » copié").arg(w.Q1.text().left(2)); }},
        {"new calculation after typing",
         [](Window& w) { userEdit(w.Q1, QStringLiteral("900"), 3); }, ActionId::NewCalculation,
         [](Window& w) { return QStringLiteral("Nouveau calcul. ") + w.spokenAnswer(); }},
        {"new calculation of a new one", nothing, ActionId::NewCalculation,
         [](Window& w) { return QStringLiteral("Nouveau calcul. ") + w.spokenAnswer(); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        testing::OpenedWindow opened;
        Window& w = opened.w;
        userClick(w.optionL(1));
        userClick(w.Simulation);
        row.before(w);
        testing::HeardAnnouncements heard;
        w.addObserver(&heard);
        runAction(w, action(row.action));
        w.removeObserver(&heard);
        EXPECT_EQ(heard.said, std::vector<QString>{row.expected(w)});
    }
}

}  // namespace
}  // namespace fournil

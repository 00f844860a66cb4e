#include "window/user_events.h"
#include "wiring/actions.h"
#include "wiring/base_apply.h"
#include "wiring/last_calculation.h"
#include "wiring/recipe_dough.h"

#include <gtest/gtest.h>

#include "fake_platform.h"
#include "qstring_printer.h"
#include "readback.h"

#include <functional>

namespace fournil {
namespace {

// Every property of every control and every window value, as `dump` lists them, but what stays
// where the person is: the focus, the help text, the carets, the clipboard.
QStringList dump(const Window& w) {
    QStringList lines;
    for (const Control* c : w.controls()) {
        for (const QString& property : propertyNames(c->kind())) {
            const bool personal = property == u"selstart" || property == u"sellength" ||
                                  property == u"focus" || property == u"passes" ||
                                  (c == &w.Aide && property == u"caption");
            if (!personal) {
                lines << c->displayName() + u'.' + property + u'=' +
                             readProperty(w, *c, property)->format();
            }
        }
    }
    for (const QString& name : windowValueNames()) {
        if (name != u"Clipboard") {
            lines << name + u'=' + readWindowValue(w, name)->format();
        }
    }
    return lines;
}

void press(Window& w, ActionId id) {
    runAction(w, action(id));
}

struct StepRow {
    const char* name;
    std::function<void(Window&)> step;
};

// Each kind of step: undo puts everything back as it was before it, redo as it was after, and a
// second undo or redo with nothing left changes nothing.
TEST(Undo, EveryKindOfStepGoesBackAndForth) {
    const auto typing = [](Window& w, TextBox& box, const char* text) {
        w.setFocus(&box);
        for (const QString& c : typedCharacters(QString::fromLatin1(text))) {
            userType(box, c);
        }
    };
    const StepRow rows[] = {
        {"a run of typing", [&](Window& w) { typing(w, w.Q2, "55"); }},
        {"a paste", [](Window& w) { userPaste(w.H1, QStringLiteral("65")); }},
        {"a repaired paste", [](Window& w) { userPaste(w.H1, QStringLiteral("abc")); }},
        {"a mode", [](Window& w) { userClick(w.optionL(6)); }},
        {"a hydration unit", [](Window& w) { userClick(w.optionH(3)); }},
        {"a mass unit", [](Window& w) { userClick(w.optionU(3)); }},
        {"a worked example", [](Window& w) { userClick(w.Simulation); }},
        {"a new calculation", [](Window& w) { press(w, ActionId::NewCalculation); }},
        {"an arrow on a unit",
         [](Window& w) {
             w.setFocus(&w.optionH(2));
             userKey(w, Key::Down);
         }},
        {"a blank typed", [](Window& w) { userKey(w, Key::Space); }},
    };
    for (const StepRow& row : rows) {
        SCOPED_TRACE(row.name);
        testing::OpenedWindow opened(QLocale(QLocale::French, QLocale::France));
        Window& w = opened.w;
        // A state of its own first, so that a new calculation has something to undo.
        userClick(w.optionL(2));
        userPaste(w.Q2, QStringLiteral("800"));
        w.setFocus(w.firstFocusable());
        const QStringList before = dump(w);
        row.step(w);
        const QStringList after = dump(w);
        ASSERT_NE(after, before);
        ASSERT_TRUE(w.history().canUndo());
        userHover(w.Simulation);  // the help text moves; it is not undone
        const QString helpNow = w.Aide.caption();
        press(w, ActionId::Undo);
        EXPECT_EQ(dump(w), before);
        EXPECT_EQ(w.Aide.caption(), helpNow);
        press(w, ActionId::Redo);
        EXPECT_EQ(dump(w), after);
        EXPECT_FALSE(w.history().canRedo());
        press(w, ActionId::Redo);
        EXPECT_EQ(dump(w), after);
        press(w, ActionId::Undo);
        press(w, ActionId::Undo);
        press(w, ActionId::Undo);
        // Two steps before this one, and start-up before them: nothing left after three undos.
        EXPECT_FALSE(w.history().canUndo());
    }
}

// What is not a step: a mouse move, a selection, a Tab, a copy; a run of typing ends at any
// other event, and a repaired keystroke is a step of its own. A new step drops what was undone.
TEST(Undo, StepsAreWhatAPersonDid) {
    testing::OpenedWindow opened;
    Window& w = opened.w;
    userHover(w.Q1);
    userSelect(w.H1, 0, 2);
    userKey(w, Key::Tab);
    press(w, ActionId::Copy);
    EXPECT_FALSE(w.history().canUndo());

    w.setFocus(&w.Q1);
    userType(w.Q1, u"5");
    userSelect(w.Q1, 0, 0);  // the caret moves: still one run
    userType(w.Q1, u"6");
    EXPECT_EQ(w.Q1.text(), QStringLiteral("120056"));
    userKey(w, Key::Tab);  // another event: the run ends
    userType(w.Q1, u"7");
    userType(w.Q1, u"x");  // repaired to "0": a step of its own
    EXPECT_EQ(w.Q1.text(), QStringLiteral("0"));
    press(w, ActionId::Undo);
    EXPECT_EQ(w.Q1.text(), QStringLiteral("1200567"));
    press(w, ActionId::Undo);
    EXPECT_EQ(w.Q1.text(), QStringLiteral("120056"));
    press(w, ActionId::Undo);
    EXPECT_EQ(w.Q1.text(), QStringLiteral("1200"));
    EXPECT_FALSE(w.history().canUndo());
    press(w, ActionId::Redo);
    userPaste(w.Q1, QStringLiteral("900"));
    EXPECT_FALSE(w.history().canRedo());

    // At least a hundred steps are kept.
    for (int i = 0; i < 150; ++i) {
        userPaste(w.Q1, QString::number(1000 + i));
    }
    int undone = 0;
    while (w.history().canUndo()) {
        press(w, ActionId::Undo);
        ++undone;
    }
    EXPECT_GE(undone, 100);
}

// A calculation resumed, a recipe or a base temperature applied is a step of its own even when
// what it types is one keystroke from what the person was typing: one undo takes it back, and
// the next keystroke starts a step of its own.
TEST(Undo, WhatIsPutInTheWindowIsAStepOfItsOwn) {
    struct Row {
        const char* name;
        int mode;
        QString typed;  // into H1, one character from what the step types there
        std::function<void(Window&)> step;
        QString stepped;  // H1 after the step
    } rows[] = {
        {"resumed", 1, QStringLiteral("7"),
         [](Window& w) {
             KeptCalculation kept = keptCalculation(w);
             kept.texts = {{QStringLiteral("H1"), QStringLiteral("70")}};
             ASSERT_TRUE(resumeCalculation(w, kept));
         },
         QStringLiteral("70")},
        {"recipe", 1, QStringLiteral("7"),
         [](Window& w) {
             applyRecipe(w, {6, 2, 0.5}, 1500);
         },
         QStringLiteral("7")},
        {"base temperature", 3, QStringLiteral("1"),
         [](Window& w) {
             BaseRequest request;
             request.texts = {QStringLiteral("60"), QStringLiteral("20"), QStringLiteral("22"),
                              QString()};
             ASSERT_TRUE(applyBaseTemperature(w, request).result);
         },
         QStringLiteral("18")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        testing::OpenedWindow opened;
        Window& w = opened.w;
        opened.workedExample(row.mode);
        userPaste(w.H1, row.typed);  // a keystroke's edit: the start of a run of typing
        const QStringList typed = dump(w);
        row.step(w);
        ASSERT_EQ(w.H1.text(), row.stepped);
        const QStringList stepped = dump(w);
        userPaste(w.H1, row.stepped + u'5');
        press(w, ActionId::Undo);
        EXPECT_EQ(dump(w), stepped);  // the keystroke after it alone
        press(w, ActionId::Undo);
        EXPECT_EQ(dump(w), typed);  // then the step alone
    }
}

}  // namespace
}  // namespace fournil

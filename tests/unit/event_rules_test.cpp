#include "window/user_events.h"
#include "window/window.h"

#include <gtest/gtest.h>

#include "qstring_printer.h"

#include <optional>
#include <vector>

namespace fournil {
namespace {

class EventRules : public ::testing::Test {
  protected:
    Window w;
    std::vector<QString> log;
};

TEST_F(EventRules, ANewTextRunsTheChangeHandlerNestedInsideTheWrite) {
    // Q1's handler rewrites Q2, whose handler logs; the writer of Q1 sees the nested result.
    w.Q1.onChange = [&] {
        log.push_back(QStringLiteral("Q1 sees ") + w.Q1.text());
        w.Q2.setText(w.Q1.text() + QStringLiteral("!"));
        log.push_back(QStringLiteral("Q1 resumes with Q2 ") + w.Q2.text());
    };
    w.Q2.onChange = [&] { log.push_back(QStringLiteral("Q2 sees ") + w.Q2.text()); };

    w.Q1.setText(QStringLiteral("5"));
    log.push_back(QStringLiteral("writer resumes"));

    const std::vector<QString> expected = {
        QStringLiteral("Q1 sees 5"), QStringLiteral("Q2 sees 5!"),
        QStringLiteral("Q1 resumes with Q2 5!"), QStringLiteral("writer resumes")};
    EXPECT_EQ(log, expected);
}

TEST_F(EventRules, WritingTheSameTextRunsNothing) {
    int runs = 0;
    w.H2.onChange = [&] { ++runs; };
    w.H2.setText(QStringLiteral("50"));  // the text it holds at start
    EXPECT_EQ(runs, 0);
    w.H2.setText(QStringLiteral("0"));
    w.H2.setText(QStringLiteral("0"));
    EXPECT_EQ(runs, 1);
}

TEST_F(EventRules, NestingEndsWhenTheRepairRepeatsTheText) {
    // A handler that repairs its own field: the nested run finds the repaired text and stops.
    int runs = 0;
    w.H1.onChange = [&] {
        ++runs;
        if (w.H1.text().toInt() > 99) {
            w.H1.setText(QStringLiteral("99"));
        }
    };
    userEdit(w.H1, QStringLiteral("100"));
    EXPECT_EQ(w.H1.text(), QStringLiteral("99"));
    EXPECT_EQ(runs, 2);
}

TEST_F(EventRules, SelectingRaisesTheClickOnlyForAnUnselectedButton) {
    std::vector<int> clicks;
    for (int i = 1; i <= 8; ++i) {
        w.optionH(i).onClick = [&clicks, i] { clicks.push_back(i); };
    }
    w.optionH(2).setSelected(true);   // already selected
    w.optionH(1).setSelected(false);  // clearing
    EXPECT_TRUE(clicks.empty());

    w.optionH(3).setSelected(true);
    EXPECT_EQ(clicks, std::vector<int>{3});
    EXPECT_FALSE(w.optionH(2).selected());
    // The other frame is independent.
    EXPECT_TRUE(w.optionH(5).selected());

    w.optionH(3).setSelected(false);
    EXPECT_EQ(clicks, std::vector<int>{3});
    EXPECT_FALSE(w.optionH(3).selected());
}

TEST_F(EventRules, TheClickSeesItsFrameAlreadyExclusive) {
    bool othersCleared = false;
    w.optionL(2).onClick = [&] { othersCleared = !w.optionL(1).selected(); };
    w.optionL(2).setSelected(true);
    EXPECT_TRUE(othersCleared);
}

TEST_F(EventRules, TheTwoModeFramesAreIndependentGroups) {
    w.optionL(5).setSelected(true);
    EXPECT_TRUE(w.optionL(1).selected());
    EXPECT_TRUE(w.optionL(5).selected());
}

TEST_F(EventRules, ADisabledFrameIgnoresTheUsersClicks) {
    int clicks = 0;
    w.optionH(7).onClick = [&] { ++clicks; };
    userClick(w.optionH(7));
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(w.optionH(7).selected());
    EXPECT_TRUE(w.optionH(5).selected());

    w.Hydratation(2).setEnabled(true);
    userClick(w.optionH(7));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(w.optionH(7).selected());
    EXPECT_FALSE(w.optionH(5).selected());
    EXPECT_EQ(w.focus(), &w.optionH(7));
}

struct LimitRow {
    const char* name;
    const char16_t* typed;
    const char16_t* expected;
};

// A quantity or temperature box keeps 255 of the characters a person pastes or types, so that
// no paste can slow every keystroke after it; the program's own long texts stay whole.
TEST_F(EventRules, QuantitiesKeepWhatAPersonCanType) {
    const QString digits = QString(300, u'1');
    for (TextBox* box : {&w.Q1, &w.Q2, &w.EF(1), &w.EF(2)}) {
        SCOPED_TRACE(box->displayName().toStdString());
        box->setVisible(true);
        box->setEnabled(true);
        userPaste(*box, digits);
        EXPECT_EQ(box->text(), QString(255, u'1'));
        userType(*box, u"2");
        EXPECT_EQ(box->text().size(), 255);  // refused, whole
        userSelect(*box, 10, 12);
        userKey(w, Key::Space);  // over a selection of two: room for it
        EXPECT_EQ(box->text().size(), 254);
        userType(*box, u"3");
        EXPECT_EQ(box->text().size(), 255);
        EXPECT_TRUE(box->text().endsWith(u'3'));
        userEdit(*box, QString());
        for (int i = 0; i < 300; ++i) {
            userType(*box, u"7");
        }
        EXPECT_EQ(box->text(), QString(255, u'7'));
        box->setText(digits);
        EXPECT_EQ(box->text(), digits);
        EXPECT_EQ(box->maxLength(), 0);  // the window's own property says no limit
    }
}

TEST_F(EventRules, TheTypingLimitBindsTheUserNotTheProgram) {
    const LimitRow rows[] = {
        {"H1", u"12345", u"1234"},
        {"H1d", u"98765", u"9876"},
        {"Q1", u"123456", u"1200123456"},  // typed after "1200", far within 255
    };
    for (const LimitRow& row : rows) {
        SCOPED_TRACE(row.name);
        auto& box = static_cast<TextBox&>(*w.find(QString::fromLatin1(row.name)));
        box.setVisible(true);
        if (box.maxLength() > 0) {
            box.setText(QString());
        }
        for (const QString& c : typedCharacters(QString::fromUtf16(row.typed))) {
            userType(box, c);
        }
        EXPECT_EQ(box.text(), QString::fromUtf16(row.expected));
    }

    userPaste(w.H1, QStringLiteral("654321"));
    EXPECT_EQ(w.H1.text(), QStringLiteral("6543"));
    w.H1.setText(QStringLiteral("100000"));
    EXPECT_EQ(w.H1.text(), QStringLiteral("100000"));
    EXPECT_EQ(w.H1.selStart(), 6);
}

// Backspace, Delete and Ctrl+V as a line edit does them, on a box with no handler.
TEST_F(EventRules, ErasingAndPastingAtTheCaret) {
    struct Row {
        const char16_t* before;
        int anchor, caret;
        std::optional<Key> key;  // else a paste of `pasted`
        const char16_t* pasted;
        const char16_t* after;
        int caretAfter;
    };
    const QString pair = QStringLiteral("\U0001F35E");
    const Row rows[] = {
        {u"1200", 1, 3, Key::Backspace, nullptr, u"10", 1},
        {u"1200", 3, 1, Key::Delete, nullptr, u"10", 1},
        {u"1200", 2, 2, Key::Backspace, nullptr, u"100", 1},
        {u"1200", 2, 2, Key::Delete, nullptr, u"120", 2},
        {u"1200", 0, 0, Key::Backspace, nullptr, u"1200", 0},
        {u"1200", 4, 4, Key::Delete, nullptr, u"1200", 4},
        // A surrogate pair goes whole; Backspace takes an accent alone, Delete its letter with it.
        {u"1\U0001F35E", 3, 3, Key::Backspace, nullptr, u"1", 1},
        {u"1\U0001F35E", 1, 1, Key::Delete, nullptr, u"1", 1},
        {u"e\u0301", 2, 2, Key::Backspace, nullptr, u"e", 1},
        {u"e\u0301", 0, 0, Key::Delete, nullptr, u"", 0},
        {u"1200", 4, 1, std::nullopt, u"5", u"15", 2},
        {u"1200", 2, 2, std::nullopt, u",5", u"12,500", 4},
    };
    w.Q1.setVisible(true);
    for (const Row& row : rows) {
        SCOPED_TRACE(QString::fromUtf16(row.before).toStdString());
        w.Q1.setText(QString::fromUtf16(row.before));
        w.setFocus(&w.Q1);
        userSelect(w.Q1, row.anchor, row.caret);
        if (row.key) {
            userKey(w, *row.key);
        } else {
            userPasteAtCaret(w, QString::fromUtf16(row.pasted));
        }
        EXPECT_EQ(w.Q1.text(), QString::fromUtf16(row.after));
        EXPECT_EQ(w.Q1.selStart(), row.caretAfter);
    }
    // The paste is cut to the room the typing limit leaves; with none, the selection still goes.
    w.H1.setVisible(true);
    w.H1.setText(QStringLiteral("70"));
    w.setFocus(&w.H1);
    userSelect(w.H1, 0, 1);
    userPasteAtCaret(w, QStringLiteral("12345"));
    EXPECT_EQ(w.H1.text(), QStringLiteral("1230"));
    userSelect(w.H1, 4, 4);
    userPasteAtCaret(w, pair);
    EXPECT_EQ(w.H1.text(), QStringLiteral("1230"));
    w.Q1.setText(QString(255, u'1'));
    w.setFocus(&w.Q1);
    userSelect(w.Q1, 0, 2);
    userPasteAtCaret(w, QStringLiteral("9") + pair);  // one place left: half a pair never goes in
    EXPECT_EQ(w.Q1.text(), QStringLiteral("9") + QString(253, u'1'));
    w.Q1.setText(QString(300, u'1'));  // the program's long text
    userSelect(w.Q1, 0, 10);
    userPasteAtCaret(w, QStringLiteral("2"));
    EXPECT_EQ(w.Q1.text(), QString(290, u'1'));
}

TEST_F(EventRules, EachTypedCharacterIsOneChange) {
    int changes = 0;
    w.Q1.onChange = [&] { ++changes; };
    for (const QString& c : typedCharacters(QStringLiteral("12,5"))) {
        userType(w.Q1, c);
    }
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(w.Q1.text(), QStringLiteral("120012,5"));
    EXPECT_EQ(w.Q1.selStart(), 8);
    EXPECT_EQ(w.focus(), &w.Q1);
}

TEST_F(EventRules, TheUserCannotEditAHiddenOrDisabledBox) {
    int changes = 0;
    w.Q2.onChange = [&] { ++changes; };
    w.H2.onChange = [&] { ++changes; };
    userEdit(w.Q2, QStringLiteral("1"));  // disabled result
    userEdit(w.H2, QStringLiteral("1"));  // hidden
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(w.Q2.text(), QStringLiteral("706"));
}

TEST_F(EventRules, MouseMovesReachDisabledControlsButNotHiddenOnes) {
    std::vector<QString> moves;
    for (Control* c : w.controls()) {
        c->onMouseMove = [&moves, c] { moves.push_back(c->displayName()); };
    }
    userHover(w.Q2);          // disabled: its own handler
    userHover(w.H2);          // hidden: nothing
    userHover(w.Fournil);     // the bare window
    userHover(w.optionH(6));  // inside a disabled frame
    const std::vector<QString> expected = {QStringLiteral("Q2"), QStringLiteral("Fournil"),
                                           QStringLiteral("optionH(6)")};
    EXPECT_EQ(moves, expected);
}

struct Recorder : WindowObserver {
    std::vector<std::pair<QString, Property>> seen;
    void propertyChanged(const Control& c, Property p) override {
        seen.emplace_back(c.displayName(), p);
    }
};

TEST_F(EventRules, ObserversHearEveryChangeAndNoRepeat) {
    Recorder r;
    w.addObserver(&r);
    w.gr(4).setVisible(true);
    w.gr(4).setVisible(true);
    w.H1.setBackColour(Colour::systemWindow());
    w.H1.setTop(2160);
    w.Phrase(10).setCaption(QStringLiteral("Pour une quantité de pâte de 1073 gr."));
    w.optionU(2).setSelected(true);
    w.removeObserver(&r);
    w.Q2.setBold(false);

    const std::vector<std::pair<QString, Property>> expected = {
        {QStringLiteral("gr(4)"), Property::Visible},
        {QStringLiteral("H1"), Property::BackColour},
        {QStringLiteral("H1"), Property::Top},
        {QStringLiteral("Phrase(10)"), Property::Caption},
        {QStringLiteral("optionU(2)"), Property::Selected},
        {QStringLiteral("optionU(1)"), Property::Selected},
    };
    EXPECT_EQ(r.seen, expected);
}

}  // namespace
}  // namespace fournil

#include "qt/accessible_text.h"
#include "qt/widgets.h"

#include <QAccessible>
#include <QIntValidator>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "qstring_printer.h"

#include <memory>
#include <vector>

namespace fournil::qt {
namespace {

QString digits255() {
    QString text;
    for (int i = 0; i < 255; ++i) {
        text += QChar(u'0' + i % 10);
    }
    return text;
}

const std::vector<QString>& samples() {
    static const std::vector<QString> texts = {
        QString(),
        QStringLiteral("0"),
        QStringLiteral("1200"),
        QStringLiteral("70,5"),
        QStringLiteral("-12,5"),
        digits255(),
        QStringLiteral("4 000 gr"),  // the only one with words: a number and its unit
    };
    return texts;
}

using B = QAccessible::TextBoundaryType;
const B boundaries[] = {QAccessible::CharBoundary,     QAccessible::WordBoundary,
                        QAccessible::SentenceBoundary, QAccessible::ParagraphBoundary,
                        QAccessible::LineBoundary,     QAccessible::NoBoundary};

// Every boundary at every offset, before the text, at its end and beyond, answers with a piece of
// the text in order: the piece before ends where the one at the offset starts, the one after
// starts where it ends; the piece at the offset holds it, the last piece at the end.
TEST(AccessibleText, EveryBoundaryAnswersAtEveryOffset) {
    for (const QString& text : samples()) {
        const int length = int(text.size());
        for (B boundary : boundaries) {
            for (int offset = -1; offset <= length + 1; ++offset) {
                SCOPED_TRACE(text.toStdString() + " boundary " + std::to_string(int(boundary)) +
                             " offset " + std::to_string(offset));
                const TextRange at = textRange(text, offset, boundary, TextSide::At);
                const TextRange before = textRange(text, offset, boundary, TextSide::Before);
                const TextRange after = textRange(text, offset, boundary, TextSide::After);
                for (const TextRange& r : {at, before, after}) {
                    EXPECT_LE(0, r.start);
                    EXPECT_LE(r.start, r.end);
                    EXPECT_LE(r.end, length);
                }
                EXPECT_EQ(before.end, before.start == before.end ? before.end : at.start);
                EXPECT_EQ(after.start, after.start == after.end ? after.start : at.end);
                const int inside = std::clamp(offset, 0, length);
                if (boundary == QAccessible::CharBoundary) {
                    EXPECT_EQ(at, (inside < length ? TextRange{inside, inside + 1}
                                                   : TextRange{length, length}));
                } else if (length > 0) {
                    EXPECT_LT(at.start, at.end);
                    EXPECT_LE(at.start, std::min(inside, length - 1));
                    EXPECT_GT(at.end, std::min(inside, length - 1));
                }
                if (boundary != QAccessible::CharBoundary &&
                    boundary != QAccessible::WordBoundary) {
                    EXPECT_EQ(at, (TextRange{0, length}));  // one line, one sentence
                }
            }
        }
    }
}

TEST(AccessibleText, WordsAreNumbersWithTheirBlanks) {
    struct Row {
        const char16_t* text;
        int offset;
        TextRange before, at, after;
    };
    const Row rows[] = {
        {u"70,5", 4, {0, 0}, {0, 4}, {4, 4}},      // the word at the end: the number whole
        {u"-12,5", 0, {0, 0}, {0, 5}, {5, 5}},     // a sign and a comma do not split it
        {u"4 000 gr", 0, {0, 0}, {0, 2}, {2, 6}},  // a word keeps the blank after it
        {u"4 000 gr", 3, {0, 2}, {2, 6}, {6, 8}}, {u"4 000 gr", 8, {2, 6}, {6, 8}, {8, 8}},
        {u" 12", 0, {0, 0}, {0, 1}, {1, 3}},  // leading blanks stand alone
    };
    for (const Row& row : rows) {
        const QString text = QString::fromUtf16(row.text);
        SCOPED_TRACE(text.toStdString() + " at " + std::to_string(row.offset));
        EXPECT_EQ(textRange(text, row.offset, QAccessible::WordBoundary, TextSide::Before),
                  row.before);
        EXPECT_EQ(textRange(text, row.offset, QAccessible::WordBoundary, TextSide::At), row.at);
        EXPECT_EQ(textRange(text, row.offset, QAccessible::WordBoundary, TextSide::After),
                  row.after);
    }
    // A character outside the basic plane is one character.
    const QString pair = QStringLiteral("1\U0001D7D8");
    EXPECT_EQ(textRange(pair, 2, QAccessible::CharBoundary, TextSide::At), (TextRange{1, 3}));
    EXPECT_EQ(textRange(pair, 3, QAccessible::CharBoundary, TextSide::Before), (TextRange{1, 3}));
}

// The interface a screen reader gets for a real line edit.
class LineEditText : public ::testing::Test {
  protected:
    void SetUp() override {
        installAccessibility();
        edit = std::make_unique<QLineEdit>();
        edit->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(edit.get()));
        a = QAccessible::queryAccessibleInterface(edit.get());
        ASSERT_NE(a, nullptr);
        ASSERT_NE(a->textInterface(), nullptr);
        ASSERT_NE(a->editableTextInterface(), nullptr);
    }
    std::unique_ptr<QLineEdit> edit;
    QAccessibleInterface* a = nullptr;
};

TEST_F(LineEditText, ReadsEveryValueWhole) {
    QAccessibleTextInterface* t = a->textInterface();
    for (const QString& text : samples()) {
        SCOPED_TRACE(text.toStdString());
        edit->setText(text);
        const int length = int(text.size());
        EXPECT_EQ(t->characterCount(), length);
        EXPECT_EQ(t->text(0, -1), text);
        EXPECT_EQ(a->text(QAccessible::Value), text);
        int start = -1, end = -1;
        // Orca cuts the line it reads at the attribute run of its first character.
        for (int offset : {0, length / 2, length}) {
            EXPECT_EQ(t->attributes(offset, &start, &end), QString());
            EXPECT_EQ(start, 0);
            EXPECT_EQ(end, length);
        }
        EXPECT_EQ(t->textAtOffset(0, QAccessible::LineBoundary, &start, &end), text);
        for (B boundary : boundaries) {
            const QString piece = t->textAtOffset(length, boundary, &start, &end);
            EXPECT_EQ(piece, text.mid(start, end - start));
            EXPECT_EQ(end, length);
        }
        EXPECT_EQ(t->textAtOffset(-2, QAccessible::CharBoundary, &start, &end),
                  text.mid(edit->cursorPosition(), 1));  // -2: at the caret
        if (length > 0) {
            EXPECT_FALSE(t->characterRect(0).isEmpty());
            EXPECT_TRUE(t->characterRect(length).isEmpty());
        }
    }
}

TEST_F(LineEditText, TheCaretAndSelectionAreTheWidgets) {
    QAccessibleTextInterface* t = a->textInterface();
    edit->setText(QStringLiteral("1200"));
    edit->setSelection(3, -2);  // from 3 back to 1: the caret at 1
    int start = -1, end = -1;
    ASSERT_EQ(t->selectionCount(), 1);
    t->selection(0, &start, &end);
    EXPECT_EQ((TextRange{start, end}), (TextRange{1, 3}));
    EXPECT_EQ(t->cursorPosition(), 1);
    t->setSelection(0, 0, 9);  // beyond the end: up to it
    EXPECT_EQ(edit->selectedText(), QStringLiteral("1200"));
    t->removeSelection(0);
    EXPECT_EQ(t->selectionCount(), 0);
    t->setCursorPosition(2);
    EXPECT_EQ(edit->cursorPosition(), 2);
}

// An assistive technology edits as the user does: the edit is the user's (textEdited, which the
// view forwards to the model), the validator limits it, and a read-only box refuses it. (What a
// line edit tells of its changes is heard only with a real screen reader: tests/atspi.)
TEST_F(LineEditText, EditsAreTheUsers) {
    QAccessibleEditableTextInterface* e = a->editableTextInterface();
    edit->setText(QStringLiteral("1200"));
    edit->setValidator(new QIntValidator(0, 99999, edit.get()));
    QSignalSpy edited(edit.get(), &QLineEdit::textEdited);
    e->replaceText(1, 3, QStringLiteral("45"));
    e->insertText(4, QStringLiteral("x"));  // refused by the validator
    e->deleteText(0, 1);
    EXPECT_EQ(edit->text(), QStringLiteral("450"));
    EXPECT_EQ(edited.count(), 2);
    edit->setReadOnly(true);
    EXPECT_TRUE(a->state().readOnly);
    EXPECT_FALSE(a->state().editable);
    e->insertText(0, QStringLiteral("9"));
    EXPECT_EQ(edit->text(), QStringLiteral("450"));
}

}  // namespace
}  // namespace fournil::qt

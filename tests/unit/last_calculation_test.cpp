#include "wiring/last_calculation.h"
#include "wiring/actions.h"

#include <gtest/gtest.h>

#include "fake_platform.h"
#include "qstring_printer.h"

namespace fournil {
namespace {

// A calculation kept and resumed in another window shows the same sentence and answer, as one
// step that undo takes back, in every mode and with fractions and units of its own.
TEST(LastCalculation, ResumesWhatWasTypedAndComputesItAnew) {
    for (int mode = 1; mode <= 6; ++mode) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        testing::OpenedWindow before(QLocale(QLocale::French, QLocale::France));
        before.workedExample(mode);
        userClick(before.w.optionU(2));
        if (mode == 4) {
            userClick(before.w.optionH(7));
            userPaste(before.w.H2d, QStringLiteral("3"));
        }
        const QByteArray saved = saveCalculation(before.w);
        ASSERT_TRUE(canResume(saved));

        testing::OpenedWindow after(QLocale(QLocale::French, QLocale::France));
        ASSERT_TRUE(resumeCalculation(after.w, saved));
        for (std::size_t i = 0; i < before.w.controls().size(); ++i) {
            const Control* a = before.w.controls()[i];
            const Control* b = after.w.controls()[i];
            if (a->kind() == Kind::TextBox) {
                EXPECT_EQ(static_cast<const TextBox*>(b)->text(),
                          static_cast<const TextBox*>(a)->text())
                    << a->displayName().toStdString();
            }
        }
        EXPECT_EQ(after.w.TypeCalcul, mode);
        EXPECT_EQ(after.w.UniteMasse, 2);
        EXPECT_EQ(after.w.FracEau1, before.w.FracEau1);
        runAction(after.w, action(ActionId::Undo));
        EXPECT_EQ(after.w.TypeCalcul, 1);
        EXPECT_EQ(after.w.Q1.text(), QStringLiteral("1200"));
        EXPECT_FALSE(after.w.history().canUndo());
    }
}

// Whatever the file holds, a window never resumes from a missing, corrupt or foreign one, and
// is left as it was.
TEST(LastCalculation, RefusesWhatIsNotOne) {
    testing::OpenedWindow opened;
    const QByteArray good = saveCalculation(opened.w);
    QByteArray otherMode = good;
    otherMode.replace("\"mode\": 1", "\"mode\": 9");
    QByteArray otherBox = good;
    otherBox.replace("\"Q1\"", "\"Aide\"");
    const QByteArray refused[] = {
        QByteArray(),
        QByteArray("not json"),
        QByteArray("[1, 2]"),
        QByteArray("{\"format\": \"autre\", \"version\": 1}"),
        QByteArray(good).replace("\"version\": 1", "\"version\": 2"),
        otherMode,
        otherBox,
        QByteArray(good).replace("\"masse\": 1", "\"masse\": 0"),
        good.left(good.size() / 2),
    };
    for (const QByteArray& bytes : refused) {
        SCOPED_TRACE(bytes.toStdString());
        EXPECT_FALSE(canResume(bytes));
        EXPECT_FALSE(resumeCalculation(opened.w, bytes));
        EXPECT_FALSE(opened.w.history().canUndo());
    }
}

}  // namespace
}  // namespace fournil

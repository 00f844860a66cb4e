#include "modes/modes.h"
#include "window/inventory.h"
#include "window/user_events.h"

#include <gtest/gtest.h>

#include "fake_platform.h"
#include "qstring_printer.h"

#include <algorithm>
#include <set>

namespace fournil {
namespace {

bool blank(const char16_t* text) {
    return text == nullptr || QString::fromUtf16(text).trimmed().isEmpty();
}

// A new calculation is a row of the mode table and a button of the inventory: a row that misses
// one of its parts fails here rather than in front of a baker.
TEST(ModeTable, EveryRowIsComplete) {
    std::set<int> numbers;
    for (const ModeRow& row : modeRows()) {
        const int mode = int(row.mode);
        SCOPED_TRACE("mode " + std::to_string(mode));
        EXPECT_TRUE(numbers.insert(mode).second) << "two rows share a mode";
        EXPECT_EQ(findModeRow(mode), &row);
        EXPECT_FALSE(blank(row.help));
        EXPECT_FALSE(blank(row.q2Help));
        for (const char16_t* words :
             {row.layout.phrase2, row.layout.phrase3, row.layout.phrase4, row.layout.phrase5}) {
            EXPECT_FALSE(blank(words));
        }
        EXPECT_FALSE(blank(row.names.h1));
        EXPECT_FALSE(blank(row.names.q2));
        EXPECT_EQ(blank(row.names.q1), !row.layout.rowOneQuantity);
        if (row.correction == CorrectionKind::LevainCorrection) {
            EXPECT_NE(row.correctionHelp, nullptr);  // the correction lines explain themselves
        }
        // The worked example types at least one number and leaves the caret in a box it typed.
        ASSERT_NE(row.example.inputs[0].field, nullptr);
        ASSERT_NE(row.example.caretField, nullptr);

        // Its button stands in the inventory, in a frame of the mode buttons, in the keyboard
        // order; its example loads and computes.
        testing::OpenedWindow opened;
        Window& w = opened.w;
        const Control* button = w.find(u"optionL", mode);
        ASSERT_NE(button, nullptr);
        EXPECT_TRUE(button->container() == &w.Pâte || button->container() == &w.Levain);
        const auto order = keyboardOrder();
        EXPECT_TRUE(std::any_of(order.begin(), order.end(), [mode](const ControlRef& ref) {
            return ref.name == u"optionL" && ref.index == mode;
        }));
        opened.workedExample(mode);
        EXPECT_EQ(w.TypeCalcul, mode);
        EXPECT_FALSE(w.answer.fault);
        const TextBox& caret = row.example.caretField(w);
        EXPECT_EQ(w.focus(), &caret);
    }
    // Every mode button of the inventory has its row.
    for (const ControlEntry& entry : inventory()) {
        if (entry.name == u"optionL") {
            EXPECT_NE(findModeRow(entry.index), nullptr) << entry.index;
        }
    }
}

}  // namespace
}  // namespace fournil

#include "engine/numbers.h"
#include "window/startup.h"
#include "window/user_events.h"
#include "wiring/binding.h"

#include <gtest/gtest.h>

#include "edge_texts.h"
#include "fake_platform.h"

#include "qstring_printer.h"

#include <cmath>
#include <random>

namespace fournil {
namespace {

// Long random sessions of what a user can do, in every mode and unit: the chains of nested
// handlers end by themselves, well before any limit, and the fields keep their rules.
class RandomSessions : public ::testing::TestWithParam<const char*> {};

TEST_P(RandomSessions, NestingStaysShallowAndFieldsStayNumbers) {
    const QLocale locale(QString::fromLatin1(GetParam()));
    const QStringList texts = testing::edgeTexts();
    testing::BareMachine machine;
    std::mt19937 random(1234);
    auto pick = [&](int n) { return int(random() % unsigned(n)); };

    for (int session = 0; session < 20; ++session) {
        Window w;
        w.setLocale(locale);
        bindHandlers(w, machine.platform);
        openWindow(w);
        std::vector<TextBox*> boxes;
        std::vector<Control*> buttons;
        for (Control* c : w.controls()) {
            if (c->kind() == Kind::TextBox) {
                boxes.push_back(static_cast<TextBox*>(c));
            } else if (c->kind() == Kind::OptionButton || c->kind() == Kind::Button) {
                buttons.push_back(c);
            }
        }
        for (int step = 0; step < 300; ++step) {
            w.resetDeepestNesting();
            QString event;
            switch (pick(3)) {
                case 0: {
                    TextBox& box = *boxes[std::size_t(pick(int(boxes.size())))];
                    const QString t = texts[pick(int(texts.size()))];
                    event = QStringLiteral("set %1 %2").arg(box.displayName(), t.left(12));
                    userPaste(box, t);
                    break;
                }
                case 1: {
                    TextBox& box = *boxes[std::size_t(pick(int(boxes.size())))];
                    const QString t = texts[pick(int(texts.size()))];
                    event = QStringLiteral("type %1 %2").arg(box.displayName(), t.left(12));
                    for (const QString& ch : typedCharacters(t.left(6))) {
                        userType(box, ch);
                    }
                    break;
                }
                default: {
                    Control& button = *buttons[std::size_t(pick(int(buttons.size())))];
                    event = QStringLiteral("click %1").arg(button.displayName());
                    userClick(button);
                    break;
                }
            }
            const std::string trace = "session " + std::to_string(session) + " step " +
                                      std::to_string(step) + ": " + event.toStdString();
            ASSERT_LT(w.deepestNesting(), 50) << trace;
            ASSERT_TRUE(std::isfinite(w.FracEau1) && std::isfinite(w.FracEau2)) << trace;
            int modes = 0;
            for (int i = 1; i <= 6; ++i) {
                modes += w.optionL(i).selected() ? 1 : 0;
            }
            ASSERT_EQ(modes, 1) << trace;
            for (TextBox* box : {&w.Q1, &w.Q2, &w.H1, &w.H2, &w.H1d, &w.H2d}) {
                ASSERT_TRUE(LectureLocale(box->text(), locale))
                    << trace << " " << box->text().toStdString();
            }
            for (TextBox* d : {&w.H1d, &w.H2d}) {
                ASSERT_NE(LectureLocale(d->text(), locale), 0.0) << trace;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, RandomSessions, ::testing::Values("C", "fr_FR"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace fournil

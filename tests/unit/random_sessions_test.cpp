#include "engine/numbers.h"
#include "modes/modes.h"
#include "window/user_events.h"

#include <gtest/gtest.h>

#include "fake_platform.h"
#include "laws.h"
#include "user_event_generator.h"

#include "qstring_printer.h"

#include <cmath>

namespace fournil {
namespace {

// Long random sessions of what a user can do, in every mode, unit and locale: the chains of
// nested handlers end by themselves, well before any limit, and the fields keep their rules.
class RandomSessions : public ::testing::TestWithParam<const char*> {};

TEST_P(RandomSessions, NestingStaysShallowAndFieldsStayNumbers) {
    const QLocale locale = *localeNamed(QString::fromLatin1(GetParam()));
    for (std::uint32_t session = 0; session < 20; ++session) {
        testing::OpenedWindow opened(locale);
        Window& w = opened.w;
        WorkCounters counters;
        w.setCounters(&counters);
        events::RandomSource source(1234 + session);
        for (int step = 0; step < 300; ++step) {
            counters.reset(w.nesting());
            const events::UserEvent event = events::drawEvent(w, source);
            events::play(w, event);
            const std::string trace = "session " + std::to_string(session) + " step " +
                                      std::to_string(step) + ": " +
                                      event.line().left(60).toStdString();
            ASSERT_LT(counters.deepestNesting, 50) << trace;
            ASSERT_TRUE(std::isfinite(w.FracEau1) && std::isfinite(w.FracEau2)) << trace;
            int modes = 0;
            for (const ModeRow& row : modeRows()) {
                modes += w.optionL(int(row.mode)).selected() ? 1 : 0;
            }
            ASSERT_EQ(modes, 1) << trace;
            for (TextBox* box : {&w.Q1, &w.Q2, &w.H1, &w.H2, &w.H1d, &w.H2d}) {
                ASSERT_TRUE(LectureLocale(box->text(), locale))
                    << trace << " " << box->text().toStdString();
            }
            for (TextBox* d : {&w.H1d, &w.H2d}) {
                ASSERT_NE(LectureLocale(d->text(), locale), 0.0) << trace;
            }
            const auto law = events::brokenAfter(w, event);
            ASSERT_FALSE(law) << trace << ": " << law->toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, RandomSessions, ::testing::ValuesIn(events::localeNames()),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace fournil

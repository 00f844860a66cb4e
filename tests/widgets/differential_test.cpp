// The model against the real widgets: the same random sessions of user events played on both,
// every property of every control and every window value compared after every event. The first
// difference fails with its seed and leaves a minimal scenario that replays it.

#include "differences.h"
#include "engine/numbers.h"
#include "session.h"

#include "readback.h"
#include "window/user_events.h"

#include "laws.h"
#include "user_event_generator.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace fournil::replay {
namespace {

using events::UserEvent;

// Plays the events on a fresh pair of windows; the index of the first event after which they
// differ, with the difference.
std::optional<std::pair<std::size_t, Difference>> replay(const SessionSettings& settings,
                                                         const std::vector<UserEvent>& events) {
    auto model = makeModelSession(settings);
    auto widgets = makeWidgetSession(settings);
    if (auto d = firstDifference(*model, *widgets)) {
        return std::pair(std::size_t(0), *d);
    }
    for (std::size_t i = 0; i < events.size(); ++i) {
        playEvent(*model, events[i]);
        playEvent(*widgets, events[i]);
        if (auto d = firstDifference(*model, *widgets)) {
            return std::pair(i, *d);
        }
    }
    return std::nullopt;
}

// Drops every event that the difference does not need, one at a time.
std::vector<UserEvent> shrink(const SessionSettings& settings, std::vector<UserEvent> events) {
    for (std::size_t i = events.size(); i-- > 0;) {
        std::vector<UserEvent> fewer = events;
        fewer.erase(fewer.begin() + std::ptrdiff_t(i));
        if (auto d = replay(settings, fewer)) {
            fewer.resize(d->first + 1);
            events = fewer;
            i = std::min(i, events.size());
        }
    }
    return events;
}

QString writeScenario(const QString& localeName, std::uint32_t seed,
                      const std::vector<UserEvent>& events, const Difference& difference) {
    QDir().mkpath(QStringLiteral("differences"));
    const QString path =
        QDir(QStringLiteral("differences"))
            .absoluteFilePath(QStringLiteral("%1-%2.scn").arg(localeName).arg(seed));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        QString text = QStringLiteral(
                           "locale %1\n# Found by the differential test, seed %2: the "
                           "widgets showed %3.\n")
                           .arg(localeName)
                           .arg(seed)
                           .arg(difference.widgets);
        for (const UserEvent& e : events) {
            text += e.line() + u'\n';
        }
        text += QStringLiteral("expect %1 %2\n").arg(difference.ref, difference.model);
        file.write(text.toUtf8());
    }
    return path;
}

class Differential : public ::testing::TestWithParam<const char*> {};

TEST_P(Differential, TheWidgetsShowWhatTheModelHolds) {
    const QString localeName = QString::fromLatin1(GetParam());
    SessionSettings settings;
    settings.locale = *localeNamed(localeName);
    int total = 4000;
    if (qEnvironmentVariableIsSet("FOURNIL_DIFFERENTIAL_EVENTS")) {
        bool number = false;
        total = qEnvironmentVariable("FOURNIL_DIFFERENTIAL_EVENTS").toInt(&number);
        // A run of nothing would pass on nothing.
        ASSERT_TRUE(number && total > 0) << "FOURNIL_DIFFERENTIAL_EVENTS must be a positive number";
    }
    const std::uint32_t firstSeed =
        qEnvironmentVariableIsSet("FOURNIL_DIFFERENTIAL_SEED")
            ? std::uint32_t(qEnvironmentVariableIntValue("FOURNIL_DIFFERENTIAL_SEED"))
            : 1;
    constexpr int eventsPerSession = 60;

    int played = 0;
    for (std::uint32_t seed = firstSeed; played < total; ++seed) {
        events::RandomSource source(seed);
        auto model = makeModelSession(settings);
        auto widgets = makeWidgetSession(settings);
        std::vector<UserEvent> events;
        for (int step = 0; step < eventsPerSession && played < total; ++step, ++played) {
            const UserEvent e = events::drawEvent(model->window(), source);
            events.push_back(e);
            playEvent(*model, e);
            playEvent(*widgets, e);
            if (const auto law = events::brokenAfter(model->window(), e)) {
                FAIL() << "seed " << seed << ", event " << events.size() << " ("
                       << e.line().toStdString() << "): " << law->toStdString();
            }
            if (const auto d = firstDifference(*model, *widgets)) {
                const auto minimal = shrink(settings, events);
                const QString path = writeScenario(localeName, seed, minimal, *d);
                FAIL() << "seed " << seed << ", event " << events.size() << " ("
                       << e.line().toStdString() << "): " << d->ref.toStdString() << " is "
                       << d->model.toStdString() << " in the model and " << d->widgets.toStdString()
                       << " in the widgets; replay: " << path.toStdString();
            }
        }
    }
    std::printf("%d events compared\n", played);
}

INSTANTIATE_TEST_SUITE_P(Locales, Differential, ::testing::ValuesIn(events::localeNames()),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace fournil::replay

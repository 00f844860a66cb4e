// The model against the real widgets: the same random sessions of user events played on both,
// every property of every control and every window value compared after every event. The first
// difference fails with its seed and leaves a minimal scenario that replays it.

#include "session.h"

#include "readback.h"
#include "window/user_events.h"

#include "edge_texts.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <random>

namespace fournil::replay {
namespace {

struct Event {
    enum class Verb { Set, Type, Key, Click, Hover };
    Verb verb;
    QString control;  // display name
    QString text;     // set and type
    Key key = Key::Tab;

    QString line() const {
        switch (verb) {
            case Verb::Set:
                return QStringLiteral("set %1 %2").arg(control, quoted(text));
            case Verb::Type:
                return QStringLiteral("type %1 %2").arg(control, quoted(text));
            case Verb::Key:
                return QStringLiteral("key %1").arg(keyName(key));
            case Verb::Click:
                return QStringLiteral("click %1").arg(control);
            case Verb::Hover:
                return QStringLiteral("hover %1").arg(control);
        }
        return {};
    }
};

Control& controlNamed(Window& w, const QString& name) {
    const qsizetype paren = name.indexOf(u'(');
    Control* c =
        paren < 0 ? w.find(name) : w.find(name.left(paren), name.mid(paren + 1).chopped(1).toInt());
    return *c;
}

void play(Session& s, const Event& e) {
    Window& w = s.window();
    w.resetPasses();
    switch (e.verb) {
        case Event::Verb::Set:
            s.set(static_cast<TextBox&>(controlNamed(w, e.control)), e.text);
            break;
        case Event::Verb::Type:
            s.type(static_cast<TextBox&>(controlNamed(w, e.control)), e.text);
            break;
        case Event::Verb::Key:
            s.key(e.key);
            break;
        case Event::Verb::Click:
            s.click(controlNamed(w, e.control));
            break;
        case Event::Verb::Hover:
            s.hover(controlNamed(w, e.control));
            break;
    }
}

struct Difference {
    QString ref, model, widgets;
};

// The first property that the two sessions show differently, if any.
std::optional<Difference> compare(Session& model, Session& widgets) {
    Window& m = model.window();
    Window& v = widgets.window();
    for (std::size_t i = 0; i < m.controls().size(); ++i) {
        const Control& a = *m.controls()[i];
        const Control& b = *v.controls()[i];
        for (const QString& property : propertyNames(a.kind())) {
            const auto x = model.read(a, property);
            const auto y = widgets.read(b, property);
            if (x != y) {
                return Difference{a.displayName() + u'.' + property,
                                  x ? x->format() : QStringLiteral("?"),
                                  y ? y->format() : QStringLiteral("?")};
            }
        }
    }
    for (const QString& name : windowValueNames()) {
        const auto x = model.readValue(name);
        const auto y = widgets.readValue(name);
        if (x != y) {
            return Difference{name, x->format(), y->format()};
        }
    }
    return std::nullopt;
}

// Plays the events on a fresh pair of windows; the index of the first event after which they
// differ, with the difference.
std::optional<std::pair<std::size_t, Difference>> replay(const SessionSettings& settings,
                                                         const std::vector<Event>& events) {
    auto model = makeModelSession(settings);
    auto widgets = makeWidgetSession(settings);
    if (auto d = compare(*model, *widgets)) {
        return std::pair(std::size_t(0), *d);
    }
    for (std::size_t i = 0; i < events.size(); ++i) {
        play(*model, events[i]);
        play(*widgets, events[i]);
        if (auto d = compare(*model, *widgets)) {
            return std::pair(i, *d);
        }
    }
    return std::nullopt;
}

// Drops every event that the difference does not need, one at a time.
std::vector<Event> shrink(const SessionSettings& settings, std::vector<Event> events) {
    for (std::size_t i = events.size(); i-- > 0;) {
        std::vector<Event> fewer = events;
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
                      const std::vector<Event>& events, const Difference& difference) {
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
        for (const Event& e : events) {
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
    settings.locale = localeName == u"C" ? QLocale::c() : QLocale(localeName);
    const int total = qEnvironmentVariableIsSet("FOURNIL_DIFFERENTIAL_EVENTS")
                          ? qEnvironmentVariableIntValue("FOURNIL_DIFFERENTIAL_EVENTS")
                          : 4000;
    const std::uint32_t firstSeed =
        qEnvironmentVariableIsSet("FOURNIL_DIFFERENTIAL_SEED")
            ? std::uint32_t(qEnvironmentVariableIntValue("FOURNIL_DIFFERENTIAL_SEED"))
            : 1;
    constexpr int eventsPerSession = 60;
    const QStringList texts = testing::edgeTexts();
    const QString typed = QStringLiteral("0123456789,.- a/\t");

    int played = 0;
    for (std::uint32_t seed = firstSeed; played < total; ++seed) {
        std::mt19937 random(seed);
        const auto pick = [&](int n) { return int(random() % unsigned(n)); };
        auto model = makeModelSession(settings);
        auto widgets = makeWidgetSession(settings);
        std::vector<Control*> all = model->window().controls();
        std::vector<Event> events;
        for (int step = 0; step < eventsPerSession && played < total; ++step, ++played) {
            Control& c = *all[std::size_t(pick(int(all.size())))];
            Event e{Event::Verb::Hover, c.displayName(), {}, Key::Tab};
            const int dice = pick(100);
            if (dice < 45) {
                // An edit: mostly into a box that can take it.
                std::vector<Control*> boxes;
                for (Control* b : all) {
                    if (b->kind() == Kind::TextBox && (b->reachable() || pick(10) == 0)) {
                        boxes.push_back(b);
                    }
                }
                if (!boxes.empty()) {
                    e.control = boxes[std::size_t(pick(int(boxes.size())))]->displayName();
                }
                if (dice < 25 || boxes.empty()) {
                    e.verb = boxes.empty() ? Event::Verb::Hover : Event::Verb::Set;
                    e.text = texts[pick(int(texts.size()))];
                } else {
                    e.verb = Event::Verb::Type;
                    for (int n = pick(3) + 1; n > 0; --n) {
                        e.text += typed[pick(int(typed.size()))];
                    }
                }
            } else if (dice < 70) {
                e.verb = Event::Verb::Key;
                e.key = allKeys[pick(int(std::size(allKeys)))];
            } else if (dice < 85) {
                e.verb = Event::Verb::Click;
            }
            events.push_back(e);
            play(*model, e);
            play(*widgets, e);
            if (const auto d = compare(*model, *widgets)) {
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

INSTANTIATE_TEST_SUITE_P(Locales, Differential, ::testing::Values("C", "fr_FR"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace fournil::replay

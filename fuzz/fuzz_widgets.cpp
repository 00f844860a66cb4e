// A libFuzzer harness for the view: its input is decoded, as the model's harness decodes it, into
// a session of user events played through the real widgets on Qt's offscreen platform (key
// presses, pastes, clicks and mouse moves sent as QTest sends them) and on a model alone. After
// every event both must show the same thing, property by property, and the answer keep its laws.

#include "differences.h"
#include "engine/numbers.h"
#include "laws.h"
#include "session.h"
#include "user_event_generator.h"

#include <QApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>

namespace fournil {
namespace {

constexpr int maximumEvents = 1000;

[[noreturn]] void broken(const QString& what) {
    std::fprintf(stderr, "fournil widgets fuzz: %s\n", qPrintable(what));
    std::abort();
}

}  // namespace
}  // namespace fournil

// The application lives to the end, and with it what the system's font library keeps: not leaks.
extern "C" const char* __asan_default_options() {
    return "detect_leaks=0";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: at exit its widgets would outlive the thread storage they need.
    new QApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fournil;
    using namespace fournil::replay;
    try {
        events::ByteSource in(data, size);
        const auto locales = events::localeNames();
        SessionSettings settings;
        settings.locale =
            *localeNamed(QString::fromLatin1(locales[in.below(std::uint32_t(locales.size()))]));
        auto model = makeModelSession(settings);
        auto widgets = makeWidgetSession(settings);
        for (int n = 0; n <= maximumEvents; ++n) {
            if (const auto d = firstDifference(*model, *widgets)) {
                broken(QStringLiteral("after %1 events %2 is %3 in the model and %4 in the widgets")
                           .arg(n)
                           .arg(d->ref, d->model, d->widgets));
            }
            if (n == maximumEvents || !in.more()) {
                break;
            }
            const events::UserEvent event = events::drawEvent(model->window(), in);
            playEvent(*model, event);
            playEvent(*widgets, event);
            if (const auto law = events::brokenAfter(model->window(), event)) {
                broken(QStringLiteral("%1: an answer breaks a law: %2").arg(event.line(), *law));
            }
        }
    } catch (const std::exception& e) {
        broken(QStringLiteral("an exception escaped: ") + QString::fromUtf8(e.what()));
    }
    return 0;
}

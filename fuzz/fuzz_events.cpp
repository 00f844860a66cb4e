// A libFuzzer harness: its input is decoded into a session of user events on the window model
// drawn by the one generator of user events, in every locale the window is played in, and after
// every event the window must still keep its promises. A broken promise aborts with a message
// saying which.

#include "engine/numbers.h"
#include "modes/modes.h"
#include "window/startup.h"
#include "window/user_events.h"
#include "wiring/binding.h"

#include "fake_platform.h"
#include "laws.h"
#include "user_event_generator.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>

namespace fournil {
namespace {

// Deep enough for every repair chain (the deepest seen in long random sessions is 6: an event, a
// field's handler, its repair, the repaired field's handler, the recalculation, a result's
// handler), far below the window's own guard of Window::maximumNesting.
constexpr int nestingBound = 40;
// A mode switch is the busiest event: three unit handlers and a final pass, each nesting a few.
constexpr long passBound = 200;
constexpr int maximumEvents = 1000;

[[noreturn]] void broken(const char* what, const QString& detail = {}) {
    std::fprintf(stderr, "fournil fuzz: broken promise: %s %s\n", what, qPrintable(detail));
    std::abort();
}

bool isNumber(const Window& w, const TextBox& box) {
    return LectureLocale(box.text(), w.locale()).has_value();
}

void checkTexts(const Window& w) {
    for (const Control* c : w.controls()) {
        QString shown;
        if (c->kind() == Kind::TextBox) {
            shown = static_cast<const TextBox*>(c)->text();
        } else if (const auto* captioned = dynamic_cast<const Captioned*>(c)) {
            shown = captioned->caption();
        }
        if (events::writesUnplainNumber(shown)) {
            broken("a text is not a plain number:", c->displayName() + u' ' + shown);
        }
    }
}

void checkGroups(const Window& w) {
    const auto selectedIn = [&](const auto& array, int first, int last) {
        int count = 0, which = 0;
        for (int i = first; i <= last; ++i) {
            if (array(i).selected()) {
                ++count;
                which = i;
            }
        }
        return count == 1 ? which : 0;
    };
    if (selectedIn(w.optionL, 1, int(modeRows().size())) != w.TypeCalcul) {
        broken("the mode buttons and TypeCalcul disagree");
    }
    if (selectedIn(w.optionU, 1, 3) != w.UniteMasse) {
        broken("the mass units and UniteMasse disagree");
    }
    if (selectedIn(w.optionH, 1, 4) != w.UniteH1 || selectedIn(w.optionH, 5, 8) != w.UniteH2) {
        broken("the hydration units and UniteH1/UniteH2 disagree");
    }
}

void checkPromises(const Window& w) {
    if (!std::isfinite(w.FracEau1) || !std::isfinite(w.FracEau2)) {
        broken("a water fraction is not finite");
    }
    checkTexts(w);
    for (const TextBox* box : {&w.Q1, &w.Q2, &w.H1, &w.H2, &w.H1d, &w.H2d}) {
        if (!isNumber(w, *box)) {
            broken("a field holds no number:", box->displayName() + u' ' + box->text());
        }
    }
    if (w.TypeCalcul == 3 && !isNumber(w, w.EF(2))) {
        broken("the cold water's temperature is no number:", w.EF(2).text());
    }
    for (const TextBox* box : {&w.H1d, &w.H2d}) {
        if (LectureLocale(box->text(), w.locale()) == 0.0) {
            broken("a denominator reads 0:", box->displayName());
        }
    }
    const WorkCounters& counted = *w.counters();
    if (counted.deepestNesting >= nestingBound) {
        broken("handlers nest too deeply:", QString::number(counted.deepestNesting));
    }
    if (counted.passes > passBound) {
        broken("one event ran too many passes:", QString::number(counted.passes));
    }
    checkGroups(w);
    if (const auto law = events::brokenLaw(w)) {
        broken("an answer breaks a law:", *law);
    }
}

}  // namespace
}  // namespace fournil

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fournil;
    try {
        events::ByteSource in(data, size);
        static testing::BareMachine machine;
        Window w;
        WorkCounters counters;
        w.setCounters(&counters);
        const auto locales = events::localeNames();
        w.setLocale(
            *localeNamed(QString::fromLatin1(locales[in.below(std::uint32_t(locales.size()))])));
        bindHandlers(w, machine.platform);
        openWindow(w);
        checkPromises(w);
        // As many events as the input holds, up to a long working session.
        for (int n = 0; n < maximumEvents && in.more(); ++n) {
            counters.reset(w.nesting());
            const events::UserEvent event = events::drawEvent(w, in);
            events::play(w, event);
            checkPromises(w);
            if (const auto law = events::brokenAfter(w, event)) {
                broken("an answer breaks a law:", *law);
            }
        }
    } catch (const std::exception& e) {
        broken("an exception escaped:", QString::fromUtf8(e.what()));
    } catch (...) {
        broken("an exception escaped");
    }
    return 0;
}

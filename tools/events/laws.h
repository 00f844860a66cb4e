#pragma once

// The laws every answer obeys, checked from what the window shows and not from the formulas
// that computed it: the masses add up as the sentence says, the hydration recomputed from the
// shown flour and water is the one typed (within what rounding to whole units allows), hot and
// cold water mix to the asked temperature, and the correction's flour and water make the levain.
// Used after every event by the random sessions, the differential and the fuzzer.

#include "user_event_generator.h"
#include "window/window.h"

#include <QString>

#include <optional>

namespace fournil::events {

// The first law the window's answer breaks, in words; nothing when it keeps them all, or shows
// no answer to check (a fault, a mass that is not a positive number of moderate size).
std::optional<QString> brokenLaw(const Window& w);

// What Ctrl+C just put on the clipboard, against what the window shows: the person's selection
// when there is one, else the whole calculation, which names every number the sentence and its
// correction show and no "nan", "inf" or exponent. The first fault, in words.
std::optional<QString> brokenCopy(const Window& w);

// Whether a text writes a number with an exponent, or "nan" or "inf": never a plain number.
bool writesUnplainNumber(const QString& text);

// After an event: the laws of the answer, and those of the copy when the event was Ctrl+C.
std::optional<QString> brokenAfter(const Window& w, const UserEvent& event);

}  // namespace fournil::events

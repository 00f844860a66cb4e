#pragma once

// The laws every answer obeys, checked from what the window shows and not from the formulas
// that computed it: the masses add up as the sentence says, the hydration recomputed from the
// shown flour and water is the one typed (within what rounding to whole units allows), hot and
// cold water mix to the asked temperature, and the correction's flour and water make the levain.
// Used after every event by the random sessions, the differential and the fuzzer.

#include "window/window.h"

#include <QString>

#include <optional>

namespace fournil::events {

// The first law the window's answer breaks, in words; nothing when it keeps them all, or shows
// no answer to check (a fault, a mass that is not a positive number of moderate size).
std::optional<QString> brokenLaw(const Window& w);

}  // namespace fournil::events

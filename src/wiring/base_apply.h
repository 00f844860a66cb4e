#pragma once

// The base temperature applied: the water's temperature it gives typed into the sentence's target
// temperature, as a person would type it, in one step to undo, so that the hot and cold water
// follow; the terms kept with the calculation.

#include "inputs/base_temperature.h"

namespace fournil {

class Window;

// Whether the mode shown mixes water to a temperature.
bool baseApplies(const Window& w);
// Checks the terms; applies them where they are good and the mode mixes water.
BaseCheck applyBaseTemperature(Window& w, const BaseRequest& request);

}  // namespace fournil

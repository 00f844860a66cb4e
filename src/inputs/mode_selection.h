#pragma once

#include "window/window.h"

namespace fournil {

// A click on a mode button: records the mode, re-applies the units, re-arranges the sentence and
// recalculates.
void optionL_Click(Window& w, std::int16_t Index);

}  // namespace fournil

#pragma once

#include "window/window.h"

namespace fournil {

// Hydration-unit selection: records the unit, relabels and lays out the field, recalculates.
void optionH_Click(Window& w, std::int16_t Index);

// Mass-unit selection: relabels the unit labels only.
void optionU_Click(Window& w, std::int16_t Index);

}  // namespace fournil

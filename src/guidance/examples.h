#pragma once

#include "window/window.h"

namespace fournil {

// Loads the worked example of the selected mode.
void Simulation_Click(Window& w);

}  // namespace fournil

#pragma once

#include "window/window.h"

namespace fournil {

// Change handlers of the quantity and temperature fields.
void Q1_Change(Window& w);
void Q2_Change(Window& w);
void EF_Change(Window& w, std::int16_t Index);

// Change handlers of the hydration fields and their denominators.
void H1_Change(Window& w);
void H2_Change(Window& w);
void H1d_Change(Window& w);
void H2d_Change(Window& w);

}  // namespace fournil

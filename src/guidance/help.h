#pragma once

#include "window/window.h"

namespace fournil {

// Mouse-move handlers: each writes its explanation into `Aide`.
void Form_MouseMove(Window& w);
void Aide_MouseMove(Window& w);
void Simulation_MouseMove(Window& w);
void optionL_MouseMove(Window& w, std::int16_t Index);
void optionH_MouseMove(Window& w, std::int16_t Index);
void optionU_MouseMove(Window& w, std::int16_t Index);
void Q1_MouseMove(Window& w);
void Q2_MouseMove(Window& w);
void EF_MouseMove(Window& w, std::int16_t Index);
void H1_MouseMove(Window& w);
void H2_MouseMove(Window& w);
void H1d_MouseMove(Window& w);
void H2d_MouseMove(Window& w);
void Phrase_MouseMove(Window& w, std::int16_t Index);

}  // namespace fournil

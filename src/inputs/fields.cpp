#include "inputs/fields.h"

namespace fournil {

// Bound to the fields' change events; their repair rules come with the inputs work.
void Q1_Change(Window& /*w*/) {}
void Q2_Change(Window& /*w*/) {}
void EF_Change(Window& /*w*/, std::int16_t /*Index*/) {}
void H1_Change(Window& /*w*/) {}
void H2_Change(Window& /*w*/) {}
void H1d_Change(Window& /*w*/) {}
void H2d_Change(Window& /*w*/) {}

}  // namespace fournil

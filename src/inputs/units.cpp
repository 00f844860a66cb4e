#include "inputs/units.h"

namespace fournil {

// Bound to the unit buttons; the relabelling comes with the inputs work.
void optionH_Click(Window& /*w*/, std::int16_t /*Index*/) {}
void optionU_Click(Window& /*w*/, std::int16_t /*Index*/) {}

}  // namespace fournil

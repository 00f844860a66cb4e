#include "modes/mode_selection.h"

namespace fournil {

// Bound to the mode buttons; the layout of the six modes comes with the inputs and modes work.
void optionL_Click(Window& /*w*/, std::int16_t /*Index*/) {}

}  // namespace fournil

#include "guidance/examples.h"

namespace fournil {

// Bound to the button; the examples come with the guidance work.
void Simulation_Click(Window& /*w*/) {}

}  // namespace fournil

#pragma once

namespace fournil {

class Window;

// The one recalculation: finds the selected mode, turns the hydrations into water fractions,
// computes, writes the results into the sentence (each write of a new text runs that field's
// change handler, nested) and ends with Correction. Every formula reads its inputs afresh from
// the fields. A step that divides by zero, is invalid or overflows ends the pass there and says
// so in the lower sentence.
void Calcule(Window& w);

// What a pass that cannot complete leaves in the lower sentence.
void showCalculationImpossible(Window& w);

}  // namespace fournil

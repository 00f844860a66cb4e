#pragma once

namespace fournil {

class Window;

// The lower sentence of a completed pass: the closing sentence of mode 2, the coherence messages
// of modes 3 and 6, or the correction of a yeast recipe in the levain modes 4 and 5. False when
// an arithmetic step of the correction cannot be done; the labels written so far stay.
bool Correction(Window& w);

// Empties the lower sentence: the correction numbers, their units and the lines.
void clearCorrection(Window& w);

}  // namespace fournil

#pragma once

// Fills the window's answer (window/answer.h) from what the last pass wrote.

namespace fournil {

class Window;

// Records the sentence as it now stands (its words, boxes and units) into the window's answer,
// with the numbers the pass computed; the pass's own verdicts (the fault, the correction, the
// ingredient it named) stay as the pass set them. Run at the end of every pass, and after a
// relabelling that runs none (the mass units).
void recordAnswer(Window& w);

}  // namespace fournil

#pragma once

// What a baker takes away from the window: the calculation as plain French text, and a hydration
// in all four units.

#include "window/window.h"

namespace fournil {

// Every text here is rendered from the answer of the last pass (window/answer.h).

// The shown rows of the sentence, top to bottom, each row's words and numbers in reading order
// separated by single blanks; the correction block when shown; a line per shown hydration in the
// four units. Lines end with a line feed between them. After a pass that could not complete, the
// sentence "Calcul impossible avec ces valeurs" stands instead.
QString calculationText(const Window& w);

// The answer as a screen reader says it: the rows of the sentence that hold a result, then the
// lower sentence ("il faut 706 gr de farine et 494 gr d'eau"), or "Calcul impossible avec ces
// valeurs".
QString answerInWords(const Answer& a);

// A hydration in the four units, from its water fraction F, in the window's locale:
// "41,2 % pâte · 70 % farine · fraction pâte 0,412 · fraction farine 0,7" ("—" where a value is not
// finite).
QString hydrationInFourUnits(const Window& w, float F);

// The tooltip of H1 or H2: its hydration in the four units while it is shown and holds one (not in
// the temperature mode); empty otherwise.
QString hydrationTooltip(const Window& w, const TextBox& box);

// The levain's line of the correction with its numbers in the blanks left for them ("Pour
// compenser le rajout de 1853 gr de levain qui a un taux d'hydratation de 68,"); empty while the
// line is.
QString levainCorrectionLine(const Window& w);
QString levainCorrectionLine(const Answer& a);

}  // namespace fournil

#pragma once

// What a screen reader calls each control: the model says it, the view only hands it on.

#include "window/window.h"

namespace fournil {

// A text box is named after what it holds in the selected mode and its unit ("quantité de pâte,
// gr", "hydratation de la pâte, % farine"); a caption speaks for a control that has one; the logo
// has a short name of its own.
QString accessibleName(const Window& w, const Control& control);

// A label read as part of the line it stands in (the numbers of the levain's correction line),
// rather than on its own.
bool readWithItsLine(const Window& w, const Control& control);

// Why the recipe dialog's "Appliquer" waits while a field is refused.
QString applyWaits();

// What Ctrl+C says it copied: the calculation, or the text selected in a field.
QString copiedAnnouncement(const QString& selection);
// What Ctrl+N says: that the calculation is new, and its answer.
QString newCalculationAnnouncement(const Window& w);

}  // namespace fournil

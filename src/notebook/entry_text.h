#pragma once

// An entry as the notebook's list shows it, and the name a save proposes.

#include "wiring/last_calculation.h"

#include <QString>

namespace fournil {

// "proportion pâte /levain : quantité de pâte 1779, hydratation de la pâte 72, …"
QString calculationInWords(const KeptCalculation& c);
// From the mode and the first quantity: "Proportion pâte /levain 1779".
QString proposedName(const KeptCalculation& c);

}  // namespace fournil

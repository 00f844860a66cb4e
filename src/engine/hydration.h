#pragma once

#include "window/vocabulary.h"

#include <QLocale>
#include <QStringView>

#include <optional>

namespace fournil {

class Window;

// The water fraction of one hydration: a number typed in its unit (and, for the fraction units,
// the denominator), stored in single precision. No value when a text is not a number or the
// result would not be finite (a zero divisor), so that no such fraction is ever stored.
std::optional<float> waterFraction(HydrationUnit unit, QStringView hydration,
                                   QStringView denominator, const QLocale& locale);

// Turns H1/H1d and H2/H2d, each read in the unit selected in its group, into FracEau1 and
// FracEau2. A group without a selected unit, or whose texts give no fraction, keeps its value;
// false when a group gave none (a zero divisor), so that no answer is computed from a fraction
// that belongs to other inputs.
[[nodiscard]] bool Détermine_Hyd(Window& w);

}  // namespace fournil

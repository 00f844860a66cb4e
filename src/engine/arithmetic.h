#pragma once

// The arithmetic of the six calculations as plain functions of numbers, in IEEE double precision
// with the water fractions in single precision, each operation in the order the recalculation
// makes it. A step that divides by zero, is invalid (0/0) or overflows gives no value: the
// recalculation stops there. Each step is also used by the recalculation itself, which reads its
// inputs back from the fields between steps.

#include <optional>

namespace fournil {

using Step = std::optional<double>;

// Each arithmetic step: no value unless the result is finite (the operands always are).
Step product(double a, double b);
Step quotient(double a, double b);
Step sum(double a, double b);
Step difference(double a, double b);

// The balance rule (modes 1, 2, 4, 5): flour is added when F(given side) < F(other side);
// otherwise water. `given` is the given quantity, `fGiven` the fraction of its own side (F1 for
// Q1, F2 for Q2), `fOther` the other one. The unrounded computed quantity.
bool addsFlour(float F1, float F2);
Step balancedQuantity(double given, float fGiven, float fOther, bool flour);

// Mode 3: the cold water, then the hot water, unrounded.
Step coldWater(double q1, double h1, double h2, double ef2);
Step hotWater(double q1, double h1, double h2, double ef2);

// Mode 6: the water to add, unrounded: Q1 × F1 − Q2 × F2.
Step addedWater(double q1, float F1, double q2, float F2);

// The hydration in percent of the flour of a water fraction, stored in single precision.
std::optional<float> percentOfFlour(float F1);

}  // namespace fournil

#include "engine/arithmetic.h"

#include "engine/numbers.h"

#include <cmath>

namespace fournil {
namespace {

// Finite operands give a non-finite result exactly when the operation divided by zero, was
// invalid or overflowed, so the result itself tells, whatever the compiler does with flags.
Step checked(double r) {
    return std::isfinite(r) ? Step(r) : std::nullopt;
}

}  // namespace

Step product(double a, double b) {
    return checked(a * b);
}
Step quotient(double a, double b) {
    return checked(a / b);
}
Step sum(double a, double b) {
    return checked(a + b);
}
Step difference(double a, double b) {
    return checked(a - b);
}

bool addsFlour(float F1, float F2) {
    return F1 < F2;
}

Step balancedQuantity(double given, float fGiven, float fOther, bool flour) {
    if (flour) {
        // Flour is added: the water stays, given × fGiven / fOther.
        const Step p = product(given, fGiven);
        return p ? quotient(*p, fOther) : p;
    }
    // Water is added: the flour stays, given × (1 − fGiven) / (1 − fOther). In mode 1 (fOther = 0)
    // this is the flour of the dough, Q1 × (1 − FracEau1).
    const Step factor = difference(1.0, fGiven);
    const Step p = factor ? product(given, *factor) : factor;
    const Step divisor = p ? difference(1.0, fOther) : p;
    return divisor ? quotient(*p, *divisor) : divisor;
}

namespace {

// Q1 × (a − b) / (h2 − ef2), in that order.
Step mix(double q1, double a, double b, double h2, double ef2) {
    const Step ecart = difference(a, b);
    const Step p = ecart ? product(q1, *ecart) : ecart;
    const Step divisor = p ? difference(h2, ef2) : p;
    return divisor ? quotient(*p, *divisor) : divisor;
}

}  // namespace

Step coldWater(double q1, double h1, double h2, double ef2) {
    return mix(q1, h2, h1, h2, ef2);
}
Step hotWater(double q1, double h1, double h2, double ef2) {
    return mix(q1, h1, ef2, h2, ef2);
}

Step addedWater(double q1, float F1, double q2, float F2) {
    const Step a = product(q1, F1);
    const Step b = a ? product(q2, F2) : a;
    return b ? difference(*a, *b) : b;
}

std::optional<float> percentOfFlour(float F1) {
    const Step p = product(F1, 100.0);
    const Step d = p ? difference(1.0, F1) : p;
    const Step q = d ? quotient(*p, *d) : d;
    if (!q || !std::isfinite(float(*q))) {
        return std::nullopt;
    }
    return float(*q);
}

}  // namespace fournil

#pragma once

// The arithmetic of the six calculations as plain functions of numbers, in IEEE double precision
// with the water fractions in single precision, each operation in the order the recalculation
// makes it. A step that divides by zero, is invalid (0/0) or overflows gives no value: the
// recalculation stops there. Each step is also used by the recalculation itself, which reads its
// inputs back from the fields between steps.

#include <optional>

namespace fournil {

using Pas = std::optional<double>;

// Each arithmetic step: no value unless the result is finite (the operands always are).
Pas produit(double a, double b);
Pas quotient(double a, double b);
Pas somme(double a, double b);
Pas difference(double a, double b);

// The balance rule (modes 1, 2, 4, 5): flour is added when F(given side) < F(other side);
// otherwise water. `donnee` is the given quantity, `fDonnee` the fraction of its own side (F1 for
// Q1, F2 for Q2), `fAutre` the other one. The unrounded computed quantity.
bool ajouteFarine(float F1, float F2);
Pas quantiteEquilibree(double donnee, float fDonnee, float fAutre, bool farine);

// Mode 3: the cold water (`froide`), then the hot water, unrounded.
Pas eauFroide(double q1, double h1, double h2, double ef2);
Pas eauChaude(double q1, double h1, double h2, double ef2);

// Mode 6: the water to add, unrounded: Q1 × F1 − Q2 × F2.
Pas eauAjoutee(double q1, float F1, double q2, float F2);

// The hydration in percent of the flour of a water fraction, stored in single precision.
std::optional<float> pourcentFarine(float F1);

// Whole calculations, as the window shows them when no field handler changes anything.
struct Equilibre {
    double calculee;  // rounded
    bool farine;      // flour added, else water
    double ajout;     // Q1 - Q2, unrounded
};
// Modes 1 and 5 give Q1 and compute Q2; modes 2 and 4 give Q2 and compute Q1.
std::optional<Equilibre> equilibre(double donnee, bool donneeQ1, float F1, float F2);

struct Coulage {
    double froide, chaude;  // rounded: EF(1) and Q2
};
std::optional<Coulage> coulage(double q1, double h1, double h2, double ef2);

struct PateLevain {
    double eau;     // EF(2), rounded
    double farine;  // EF(1) = (Q1 - Q2) - EF(2), unrounded
};
std::optional<PateLevain> pateLevain(double q1, float F1, double q2, float F2);

struct CorrectionLevure {
    double levain;       // X(1)
    double hydratation;  // X(2), rounded
    double eau;          // X(4), rounded
    double farine;       // X(3), unrounded
};
std::optional<CorrectionLevure> correctionLevure(double levain, float F1);

}  // namespace fournil

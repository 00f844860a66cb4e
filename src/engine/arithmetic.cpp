#include "engine/arithmetic.h"

#include "engine/numbers.h"

#include <cmath>

namespace fournil {
namespace {

// Finite operands give a non-finite result exactly when the operation divided by zero, was
// invalid or overflowed, so the result itself tells, whatever the compiler does with flags.
Pas checked(double r) {
    return std::isfinite(r) ? Pas(r) : std::nullopt;
}

}  // namespace

Pas produit(double a, double b) {
    return checked(a * b);
}
Pas quotient(double a, double b) {
    return checked(a / b);
}
Pas somme(double a, double b) {
    return checked(a + b);
}
Pas difference(double a, double b) {
    return checked(a - b);
}

bool ajouteFarine(float F1, float F2) {
    return F1 < F2;
}

Pas quantiteEquilibree(double donnee, float fDonnee, float fAutre, bool farine) {
    if (farine) {
        const Pas p = produit(donnee, fDonnee);
        return p ? quotient(*p, fAutre) : p;
    }
    const Pas facteur = difference(1.0, fDonnee);
    const Pas p = facteur ? produit(donnee, *facteur) : facteur;
    const Pas diviseur = p ? difference(1.0, fAutre) : p;
    return diviseur ? quotient(*p, *diviseur) : diviseur;
}

namespace {

// Q1 × (a − b) / (h2 − ef2), in that order.
Pas melange(double q1, double a, double b, double h2, double ef2) {
    const Pas ecart = difference(a, b);
    const Pas p = ecart ? produit(q1, *ecart) : ecart;
    const Pas diviseur = p ? difference(h2, ef2) : p;
    return diviseur ? quotient(*p, *diviseur) : diviseur;
}

}  // namespace

Pas eauFroide(double q1, double h1, double h2, double ef2) {
    return melange(q1, h2, h1, h2, ef2);
}
Pas eauChaude(double q1, double h1, double h2, double ef2) {
    return melange(q1, h1, ef2, h2, ef2);
}

Pas eauAjoutee(double q1, float F1, double q2, float F2) {
    const Pas a = produit(q1, F1);
    const Pas b = a ? produit(q2, F2) : a;
    return b ? difference(*a, *b) : b;
}

std::optional<float> pourcentFarine(float F1) {
    const Pas p = produit(F1, 100.0);
    const Pas d = p ? difference(1.0, F1) : p;
    const Pas q = d ? quotient(*p, *d) : d;
    if (!q || !std::isfinite(float(*q))) {
        return std::nullopt;
    }
    return float(*q);
}

}  // namespace fournil

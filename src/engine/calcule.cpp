#include "engine/calcule.h"

#include "engine/arithmetic.h"
#include "engine/correction.h"
#include "engine/hydration.h"
#include "engine/lecture.h"
#include "modes/modes.h"

namespace fournil {
namespace {

// Mode 3: the cold water into EF(1), then the hot water into Q2.
bool calculeCoulage(Window& w) {
    if (lire(w, w.H2) == 0.0) {
        w.H2.setText(QStringLiteral("100"));
    }
    auto eau = [&w](Pas (*formule)(double, double, double, double)) -> Pas {
        const Pas q1 = lire(w, w.Q1), h1 = lire(w, w.H1), h2 = lire(w, w.H2),
                  ef2 = lire(w, w.EF(2));
        if (!q1 || !h1 || !h2 || !ef2) {
            return std::nullopt;
        }
        return formule(*q1, *h1, *h2, *ef2);
    };
    const Pas froide = eau(eauFroide);
    if (!froide) {
        return false;
    }
    w.EF(1).setText(texteArrondi(*froide));
    const Pas chaude = eau(eauChaude);
    if (!chaude) {
        return false;
    }
    w.Q2.setText(texteArrondi(*chaude));
    return true;
}

// Names the ingredient added and, under "l/kg", its unit: litres of water, kilograms of flour.
void nommeAjout(Window& w, bool farine) {
    w.EFLabel(1).setCaption(farine ? QStringLiteral("de farine") : QStringLiteral("d'eau"));
    if (w.optionU(3).selected()) {
        w.gr(3).setCaption(farine ? QStringLiteral("kg") : QStringLiteral("l"));
    }
}

// EF(1) = Q1 − Q2, unrounded, from the fields as they now stand.
bool ecritAjout(Window& w) {
    const Pas q1 = lire(w, w.Q1), q2 = lire(w, w.Q2);
    const Pas ajout = q1 && q2 ? difference(*q1, *q2) : Pas();
    if (!ajout) {
        return false;
    }
    w.EF(1).setText(texteNonArrondi(*ajout, w.locale()));
    return true;
}

// Modes 1, 2, 4 and 5 (and a pass with no mode selected, which follows modes 2 and 4).
bool calculeEquilibre(Window& w, bool donneeQ1) {
    const float F1 = w.FracEau1, F2 = w.FracEau2;
    const bool farine = ajouteFarine(F1, F2);
    TextBox& donnee = donneeQ1 ? w.Q1 : w.Q2;
    TextBox& calculee = donneeQ1 ? w.Q2 : w.Q1;
    const Pas given = lire(w, donnee);
    const Pas q =
        given ? quantiteEquilibree(*given, donneeQ1 ? F1 : F2, donneeQ1 ? F2 : F1, farine) : Pas();
    if (!q) {
        return false;
    }
    calculee.setText(texteArrondi(*q));
    nommeAjout(w, farine);
    return ecritAjout(w);
}

// Mode 6: the water to add into EF(2), then the flour into EF(1).
bool calculePateLevain(Window& w) {
    w.EFLabel(1).setCaption(QStringLiteral("de farine"));
    if (w.optionU(3).selected()) {
        w.gr(3).setCaption(QStringLiteral("kg"));
        w.gr(0).setCaption(QStringLiteral("l"));
    }
    const Pas q1 = lire(w, w.Q1), q2 = lire(w, w.Q2);
    const Pas eau = q1 && q2 ? eauAjoutee(*q1, w.FracEau1, *q2, w.FracEau2) : Pas();
    if (!eau) {
        return false;
    }
    w.EF(2).setText(texteArrondi(*eau));
    const Pas q1b = lire(w, w.Q1), q2b = lire(w, w.Q2), ef2 = lire(w, w.EF(2));
    const Pas base = q1b && q2b ? difference(*q1b, *q2b) : Pas();
    const Pas farine = base && ef2 ? difference(*base, *ef2) : Pas();
    if (!farine) {
        return false;
    }
    w.EF(1).setText(texteNonArrondi(*farine, w.locale()));
    return true;
}

}  // namespace

void CalculImpossible(Window& w) {
    // Nothing of an earlier pass may pass for the answer to the inputs now shown.
    VideCorrection(w);
    w.Phrase(10).setCaption(QStringLiteral("Calcul impossible avec ces valeurs"));
}

void Calcule(Window& w) {
    w.countPass();
    const SelectedModes modes = selectedModes(w);
    if (modes.any(&ModeRow::zeroesH2)) {
        w.H2.setText(QStringLiteral("0"));
    }
    // The temperature mode reads no fraction; every other mode would answer other inputs.
    if (!Détermine_Hyd(w) && !modes.any(&ModeRow::temperatures)) {
        CalculImpossible(w);
        return;
    }
    bool complete = false;
    switch (modes.computation()) {
        case Computation::WaterTemperature:
            complete = calculeCoulage(w);
            break;
        case Computation::DoughWithLevain:
            complete = calculePateLevain(w);
            break;
        case Computation::Balance:
            complete = calculeEquilibre(w, modes.any(&ModeRow::givesQ1));
            break;
    }
    if (!complete || !Correction(w)) {
        CalculImpossible(w);
    }
}

}  // namespace fournil

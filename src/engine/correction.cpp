#include "engine/correction.h"

#include "engine/arithmetic.h"
#include "engine/lecture.h"
#include "modes/modes.h"

namespace fournil {
namespace {

bool negatif(const Window& w, const TextBox& field) {
    const Pas value = lire(w, field);
    return value && *value < 0;
}

void phraseDePate(Window& w, CorrectionKind kind) {
    VideCorrection(w);
    if (kind == CorrectionKind::DoughSentence) {
        w.Phrase(10).setCaption(QStringLiteral("Pour une quantité de pâte de ") + w.Q1.text() +
                                u' ' + w.gr(1).caption() + u'.');
    } else if (kind == CorrectionKind::QuantityCheck) {
        // Both readings are made before the decision; exactly 0 is coherent.
        const bool farine = negatif(w, w.EF(1));
        const bool eau = negatif(w, w.EF(2));
        if (farine || eau) {
            w.Phrase(10).setCaption(QStringLiteral("Incohérence dans les quantités"));
        }
    } else if (kind == CorrectionKind::TemperatureCheck) {
        const bool chaude = negatif(w, w.Q2);
        const bool froide = negatif(w, w.EF(1));
        if (chaude || froide) {
            w.Phrase(10).setCaption(QStringLiteral("Incohérence dans les températures"));
        }
    }
}

// The flour and the water that the levain just computed brings into a yeast recipe.
bool correctionLevure(Window& w, bool levainIsQ1) {
    for (int i = 4; i <= 6; ++i) {
        w.gr(i).setVisible(true);
    }
    // The numbers stand over the runs of blanks of this line.
    w.Phrase(6).setCaption(QStringLiteral("Pour compenser le rajout de") + QString(20, u' ') +
                           QStringLiteral("de levain qui a un taux d'hydratation de") +
                           QString(9, u' ') + u',');
    w.Phrase(7).setCaption(QStringLiteral("de farine"));
    w.Phrase(8).setCaption(QStringLiteral("d'eau"));
    w.Phrase(9).setCaption(QStringLiteral("il faut retrancher:"));
    w.Phrase(10).setCaption(QStringLiteral("Correction d'une recette à la levure"));
    w.Phrase(11).setCaption(QStringLiteral("(hydratation en % farine)"));

    if (levainIsQ1) {
        w.X(1).setCaption(w.Q1.text());
    } else {
        // The levain obtained: what was available plus what was added, both read whole.
        const Pas ajout = lire(w, w.EF(1)), disponible = lire(w, w.Q2);
        const Pas levain = ajout && disponible ? somme(*ajout, *disponible) : Pas();
        if (!levain) {
            return false;
        }
        w.X(1).setCaption(texteNonArrondi(*levain, w.locale()));
    }
    const float F1 = w.FracEau1;
    const auto pourcent = pourcentFarine(F1);
    if (!pourcent) {
        return false;
    }
    w.X(2).setCaption(texteArrondi(*pourcent));
    const Pas levain = lire(w, w.X(1).caption());
    const Pas eau = levain ? produit(*levain, F1) : Pas();
    if (!eau) {
        return false;
    }
    w.X(4).setCaption(texteArrondi(*eau));
    const Pas total = lire(w, w.X(1).caption()), eauEcrite = lire(w, w.X(4).caption());
    const Pas farine = total && eauEcrite ? difference(*total, *eauEcrite) : Pas();
    if (!farine) {
        return false;
    }
    w.X(3).setCaption(texteNonArrondi(*farine, w.locale()));
    return true;
}

}  // namespace

void VideCorrection(Window& w) {
    for (int i = 1; i <= 4; ++i) {
        w.X(i).setCaption(QString());
    }
    for (int i = 4; i <= 6; ++i) {
        w.gr(i).setVisible(false);
    }
    for (int i = 6; i <= 11; ++i) {
        w.Phrase(i).setCaption(QString());
    }
}

bool Correction(Window& w) {
    const SelectedModes modes = selectedModes(w);
    const CorrectionKind kind = modes.correction();
    if (kind != CorrectionKind::LevainCorrection) {
        phraseDePate(w, kind);
        return true;
    }
    return correctionLevure(w, modes.any(&ModeRow::levainIsQ1));
}

}  // namespace fournil

#include "engine/correction.h"

#include "engine/arithmetic.h"
#include "engine/reading.h"
#include "modes/modes.h"

namespace fournil {
namespace {

bool isNegative(const Window& w, const TextBox& field) {
    const Step value = readNumber(w, field);
    return value && *value < 0;
}

void writeDoughSentence(Window& w, CorrectionKind kind) {
    clearCorrection(w);
    if (kind == CorrectionKind::DoughSentence) {
        w.Phrase(10).setCaption(QStringLiteral("Pour une quantité de pâte de ") + w.Q1.text() +
                                u' ' + w.gr(1).caption() + u'.');
    } else if (kind == CorrectionKind::QuantityCheck) {
        // Both readings are made before the decision; exactly 0 is coherent.
        const bool flour = isNegative(w, w.EF(1));
        const bool water = isNegative(w, w.EF(2));
        if (flour || water) {
            w.Phrase(10).setCaption(QStringLiteral("Incohérence dans les quantités"));
        }
    } else if (kind == CorrectionKind::TemperatureCheck) {
        const bool hot = isNegative(w, w.Q2);
        const bool cold = isNegative(w, w.EF(1));
        if (hot || cold) {
            w.Phrase(10).setCaption(QStringLiteral("Incohérence dans les températures"));
        }
    }
}

// The flour and the water that the levain just computed brings into a yeast recipe.
bool writeLevainCorrection(Window& w, bool levainIsQ1) {
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
        const Step added = readNumber(w, w.EF(1)), available = readNumber(w, w.Q2);
        const Step levainMass = added && available ? sum(*added, *available) : Step();
        if (!levainMass) {
            return false;
        }
        w.X(1).setCaption(unroundedText(*levainMass, w.locale()));
    }
    const float F1 = w.FracEau1;
    const auto percent = percentOfFlour(F1);
    if (!percent) {
        return false;
    }
    w.X(2).setCaption(roundedText(*percent));
    // The numbers are taken as the sentence shows them, rounded where it rounds.
    const Step levainMass = readNumber(w, w.X(1).caption());
    const Step water = levainMass ? product(*levainMass, F1) : Step();
    if (!water) {
        return false;
    }
    w.X(4).setCaption(roundedText(*water));
    const Step total = readNumber(w, w.X(1).caption()),
               writtenWater = readNumber(w, w.X(4).caption());
    const Step flour = total && writtenWater ? difference(*total, *writtenWater) : Step();
    if (!flour) {
        return false;
    }
    w.X(3).setCaption(unroundedText(*flour, w.locale()));
    return true;
}

}  // namespace

void clearCorrection(Window& w) {
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
        writeDoughSentence(w, kind);
        return true;
    }
    return writeLevainCorrection(w, modes.any(&ModeRow::levainIsQ1));
}

}  // namespace fournil

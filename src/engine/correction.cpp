#include "engine/correction.h"
#include "window/window.h"

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
        w.answer.closing = w.Phrase(10).caption();
    } else if (kind == CorrectionKind::QuantityCheck) {
        // Both readings are made before the decision; exactly 0 is coherent.
        const bool flour = isNegative(w, w.EF(1));
        const bool water = isNegative(w, w.EF(2));
        if (flour || water) {
            w.Phrase(10).setCaption(QStringLiteral("Incohérence dans les quantités"));
            w.answer.closing = w.Phrase(10).caption();
        }
    } else if (kind == CorrectionKind::TemperatureCheck) {
        const bool hot = isNegative(w, w.Q2);
        const bool cold = isNegative(w, w.EF(1));
        if (hot || cold) {
            w.Phrase(10).setCaption(QStringLiteral("Incohérence dans les températures"));
            w.answer.closing = w.Phrase(10).caption();
        }
    }
}

// The words of the correction; the levain's line leaves runs of blanks where its numbers stand.
AnswerCorrection correctionWords() {
    AnswerCorrection c;
    c.heading = QStringLiteral("Correction d'une recette à la levure");
    c.note = QStringLiteral("(hydratation en % farine)");
    c.levainWords = {QStringLiteral("Pour compenser le rajout de"),
                     QStringLiteral("de levain qui a un taux d'hydratation de"),
                     QStringLiteral(",")};
    c.takeOut = QStringLiteral("il faut retrancher:");
    c.flourWords = QStringLiteral("de farine");
    c.waterWords = QStringLiteral("d'eau");
    return c;
}

AnswerNumber written(const Window& w, const Label& label) {
    return {label.caption(), readNumber(w, label.caption()), {}};
}

// The flour and the water that the levain just computed brings into a yeast recipe.
bool writeLevainCorrection(Window& w, bool levainIsQ1) {
    for (int i = 4; i <= 6; ++i) {
        w.gr(i).setVisible(true);
    }
    AnswerCorrection c = correctionWords();
    w.Phrase(6).setCaption(c.levainWords[0] + QString(20, u' ') + c.levainWords[1] +
                           QString(9, u' ') + c.levainWords[2]);
    w.Phrase(7).setCaption(c.flourWords);
    w.Phrase(8).setCaption(c.waterWords);
    w.Phrase(9).setCaption(c.takeOut);
    w.Phrase(10).setCaption(c.heading);
    w.Phrase(11).setCaption(c.note);

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
    c.levain = written(w, w.X(1));
    c.hydration = written(w, w.X(2));
    c.flour = written(w, w.X(3));
    c.water = written(w, w.X(4));
    w.answer.correction = c;
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
    w.answer.correction.reset();
    w.answer.closing.clear();
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

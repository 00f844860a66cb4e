#include "engine/calcule.h"
#include "window/window.h"

#include "engine/answer.h"
#include "engine/arithmetic.h"
#include "engine/correction.h"
#include "engine/hydration.h"
#include "engine/reading.h"
#include "modes/modes.h"
#include "window/vocabulary.h"

namespace fournil {
namespace {

// Mode 3: the cold water into EF(1), then the hot water into Q2.
bool computeWaterTemperature(Window& w) {
    if (readNumber(w, w.H2) == 0.0) {
        w.H2.setText(QStringLiteral("100"));
    }
    // Each quantity reads the fields afresh: the write of the first may have run nested handlers
    // that changed them.
    auto water = [&w](Step (*formula)(double, double, double, double)) -> Step {
        const Step q1 = readNumber(w, w.Q1), h1 = readNumber(w, w.H1), h2 = readNumber(w, w.H2),
                   ef2 = readNumber(w, w.EF(2));
        if (!q1 || !h1 || !h2 || !ef2) {
            return std::nullopt;
        }
        return formula(*q1, *h1, *h2, *ef2);
    };
    const Step cold = water(coldWater);
    if (!cold) {
        return false;
    }
    w.EF(1).setText(roundedText(*cold));
    const Step hot = water(hotWater);
    if (!hot) {
        return false;
    }
    w.Q2.setText(roundedText(*hot));
    return true;
}

// Names the ingredient added and, under "l/kg", its unit: litres of water, kilograms of flour.
void nameAddedIngredient(Window& w, bool flour) {
    w.answer.addsFlour = flour;
    w.EFLabel(1).setCaption(flour ? QStringLiteral("de farine") : QStringLiteral("d'eau"));
    if (massButton(w, MassUnit::LitresPerKilogram).selected()) {
        w.gr(3).setCaption(flour ? QStringLiteral("kg") : QStringLiteral("l"));
    }
}

// EF(1) = Q1 − Q2, unrounded, from the fields as they now stand: the write of the computed
// quantity may have run nested handlers that changed them.
bool writeAddedIngredient(Window& w) {
    const Step q1 = readNumber(w, w.Q1), q2 = readNumber(w, w.Q2);
    const Step added = q1 && q2 ? difference(*q1, *q2) : Step();
    if (!added) {
        return false;
    }
    w.EF(1).setText(unroundedText(*added, w.locale()));
    return true;
}

// Modes 1, 2, 4 and 5 (and a pass with no mode selected, which follows modes 2 and 4).
bool computeBalance(Window& w, bool givenQ1) {
    const float F1 = w.FracEau1, F2 = w.FracEau2;
    const bool flour = addsFlour(F1, F2);
    TextBox& givenField = givenQ1 ? w.Q1 : w.Q2;
    TextBox& computed = givenQ1 ? w.Q2 : w.Q1;
    const Step given = readNumber(w, givenField);
    const Step q =
        given ? balancedQuantity(*given, givenQ1 ? F1 : F2, givenQ1 ? F2 : F1, flour) : Step();
    if (!q) {
        return false;
    }
    computed.setText(roundedText(*q));
    nameAddedIngredient(w, flour);
    return writeAddedIngredient(w);
}

// Mode 6: the water to add into EF(2), then the flour into EF(1).
bool computeDoughWithLevain(Window& w) {
    w.answer.addsFlour = true;
    w.EFLabel(1).setCaption(QStringLiteral("de farine"));
    if (massButton(w, MassUnit::LitresPerKilogram).selected()) {
        w.gr(3).setCaption(QStringLiteral("kg"));
        w.gr(0).setCaption(QStringLiteral("l"));
    }
    const Step q1 = readNumber(w, w.Q1), q2 = readNumber(w, w.Q2);
    const Step water = q1 && q2 ? addedWater(*q1, w.FracEau1, *q2, w.FracEau2) : Step();
    if (!water) {
        return false;
    }
    w.EF(2).setText(roundedText(*water));
    // Read again: the write of EF(2) may have run nested handlers that changed the fields.
    const Step q1b = readNumber(w, w.Q1), q2b = readNumber(w, w.Q2), ef2 = readNumber(w, w.EF(2));
    const Step base = q1b && q2b ? difference(*q1b, *q2b) : Step();
    const Step flour = base && ef2 ? difference(*base, *ef2) : Step();
    if (!flour) {
        return false;
    }
    w.EF(1).setText(unroundedText(*flour, w.locale()));
    return true;
}

}  // namespace

void showCalculationImpossible(Window& w) {
    // Nothing of an earlier pass may pass for the answer to the inputs now shown.
    clearCorrection(w);
    w.Phrase(10).setCaption(QStringLiteral("Calcul impossible avec ces valeurs"));
}

namespace {

// The pass itself; false when it could not complete.
bool pass(Window& w) {
    const SelectedModes modes = selectedModes(w);
    if (modes.any(&ModeRow::zeroesH2)) {
        w.H2.setText(QStringLiteral("0"));
    }
    // The temperature mode reads no fraction; every other mode would answer other inputs.
    if (!Détermine_Hyd(w) && !modes.any(&ModeRow::temperatures)) {
        return false;
    }
    bool complete = false;
    switch (modes.computation()) {
        case Computation::WaterTemperature:
            complete = computeWaterTemperature(w);
            break;
        case Computation::DoughWithLevain:
            complete = computeDoughWithLevain(w);
            break;
        case Computation::Balance:
            complete = computeBalance(w, modes.any(&ModeRow::givesQ1));
            break;
    }
    return complete && Correction(w);
}

}  // namespace

void Calcule(Window& w) {
    if (WorkCounters* counters = w.counters()) {
        ++counters->passes;
    }
    w.answerAboutToChange();  // the pass fills the answer as it goes
    const bool complete = pass(w);
    if (!complete) {
        showCalculationImpossible(w);
    }
    w.answer.fault = !complete;
    recordAnswer(w);
}

}  // namespace fournil

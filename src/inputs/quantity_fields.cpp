#include "engine/calcule.h"
#include "engine/reading.h"
#include "inputs/fields.h"
#include "modes/modes.h"

namespace fournil {
void Q1_Change(Window& w) {
    if (!readNumber(w, w.Q1)) {
        w.Q1.setText(QStringLiteral("0"));
    }
    Calcule(w);
}

void Q2_Change(Window& w) {
    if (!readNumber(w, w.Q2)) {
        w.Q2.setText(QStringLiteral("0"));
    }
    Calcule(w);
}

// Whichever box changed, the cold-water temperature EF(2) is what is examined, and only in the
// water-temperature mode: between 0 and 100, and strictly below the hot water.
void EF_Change(Window& w, std::int16_t /*Index*/) {
    if (!selectedModes(w).any(&ModeRow::temperatures)) {
        return;
    }
    TextBox& cold = w.EF(2);
    if (!readNumber(w, cold)) {
        cold.setText(QStringLiteral("0"));
    }
    if (const auto t = readNumber(w, cold); t && *t < 0) {
        cold.setText(QStringLiteral("0"));
    }
    if (const auto t = readNumber(w, cold); t && *t > 100) {
        cold.setText(QStringLiteral("100"));
    }
    // The hot water counts by its leading number only: 72,5 counts as 72 here.
    if (const auto t = readNumber(w, cold); t && *t >= LecturePoint(w.H2.text())) {
        cold.setText(QStringLiteral("0"));
    }
    Calcule(w);
}

}  // namespace fournil

#include "engine/calcule.h"
#include "engine/reading.h"
#include "inputs/fields.h"
#include "modes/modes.h"
#include "window/vocabulary.h"

namespace fournil {
namespace {

double point(const TextBox& field) {
    return LecturePoint(field.text());
}

// Writes a field's value plus or minus one, as the locale writes numbers.
void writeNeighbour(Window& w, TextBox& target, const TextBox& source, double delta) {
    if (const auto value = readNumber(w, source)) {
        target.setText(unroundedText(*value + delta, w.locale()));
    }
}

// Outside the temperature mode: a "% pâte" above 99 is cut to 99, and in "fraction pâte" the
// denominator is pushed above the numerator.
void applyHydrationRules(Window& w, TextBox& field, TextBox& denominator, HydrationGroup group) {
    if (hydrationButton(w, group, HydrationUnit::PercentOfDough).selected() && point(field) > 99) {
        field.setText(QStringLiteral("99"));
    }
    if (hydrationButton(w, group, HydrationUnit::FractionOfDough).selected() &&
        point(denominator) <= point(field)) {
        writeNeighbour(w, denominator, field, 1);
    }
}

// A denominator is never 0, and in "fraction pâte" the numerator is pulled below it.
void applyDenominatorRules(Window& w, TextBox& denominator, TextBox& field, HydrationGroup group) {
    if (!readNumber(w, denominator)) {
        denominator.setText(QStringLiteral("1"));
    }
    if (readNumber(w, denominator) == 0.0) {
        denominator.setText(QStringLiteral("1"));
    }
    if (hydrationButton(w, group, HydrationUnit::FractionOfDough).selected() &&
        point(field) >= point(denominator)) {
        writeNeighbour(w, field, denominator, -1);
    }
}

}  // namespace

void H1_Change(Window& w) {
    if (!readNumber(w, w.H1)) {
        w.H1.setText(QStringLiteral("0"));
    }
    if (selectedModes(w).any(&ModeRow::temperatures)) {
        // The wanted water temperature, within 0 to 100, and no hotter than the hot water.
        if (const auto t = readNumber(w, w.H1); t && *t < 0) {
            w.H1.setText(QStringLiteral("0"));
        }
        if (const auto t = readNumber(w, w.H1); t && *t > 100) {
            w.H1.setText(QStringLiteral("100"));
        }
        if (point(w.H2) < point(w.H1)) {
            w.H2.setText(w.H1.text());
        }
        if (const auto t = readNumber(w, w.EF(2)); t && *t >= point(w.H2)) {
            w.EF(2).setText(QStringLiteral("0"));
        }
    } else {
        applyHydrationRules(w, w.H1, w.H1d, HydrationGroup::First);
    }
    Calcule(w);
}

void H2_Change(Window& w) {
    if (!readNumber(w, w.H2)) {
        w.H2.setText(QStringLiteral("100"));
    }
    if (selectedModes(w).any(&ModeRow::temperatures)) {
        // The hot water, above 0 and at most 100, and never as cold as the cold water.
        if (const auto t = readNumber(w, w.H2); t && (*t <= 0 || *t > 100)) {
            w.H2.setText(QStringLiteral("100"));
        }
        if (point(w.EF(2)) == point(w.H2)) {
            w.EF(2).setText(QStringLiteral("0"));
        }
    } else {
        applyHydrationRules(w, w.H2, w.H2d, HydrationGroup::Second);
    }
    Calcule(w);
}

void H1d_Change(Window& w) {
    applyDenominatorRules(w, w.H1d, w.H1, HydrationGroup::First);
    Calcule(w);
}

void H2d_Change(Window& w) {
    applyDenominatorRules(w, w.H2d, w.H2, HydrationGroup::Second);
    Calcule(w);
}

}  // namespace fournil

#include "inputs/mode_selection.h"

#include "engine/calcule.h"
#include "inputs/units.h"
#include "modes/modes.h"
#include "window/vocabulary.h"

namespace fournil {
namespace {

QString text(const char16_t* t) {
    return QString::fromUtf16(t);
}

void applyMode(Window& w, const ModeRow& row) {
    const ModeLayout& m = row.layout;
    if (row.temperatures) {
        w.Hydratation(1).setEnabled(false);
        w.H1.setBackColour(Colour::systemWindow());
        w.H2.setBackColour(Colour::systemWindow());
    }
    w.Phrase(1).setVisible(m.rowOneQuantity);
    w.Q1.setVisible(m.rowOneQuantity);
    w.gr(1).setVisible(m.rowOneQuantity);
    w.Phrase(2).setCaption(text(m.phrase2));
    w.Phrase(3).setCaption(text(m.phrase3));
    w.Q2.setBold(m.q2Result);
    w.Q2.setEnabled(!m.q2Result);
    w.Phrase(4).setCaption(text(m.phrase4));
    w.H2.setVisible(m.h2Shown);
    w.pourcent1.setVisible(m.h2Shown);
    if (!row.levain) {
        w.H2d.setVisible(false);
    } else if (hydrationButton(w, HydrationGroup::Second, HydrationUnit::FractionOfDough)
                   .selected() ||
               hydrationButton(w, HydrationGroup::Second, HydrationUnit::FractionOfFlour)
                   .selected()) {
        w.H2d.setVisible(true);
    }
    w.Phrase(5).setCaption(text(m.phrase5));

    if (row.temperatures) {
        // Temperatures: the cold water is an input, and the hydration boxes stand as numbers.
        w.EF(2).setBold(false);
        w.EF(2).setEnabled(true);
        w.H1d.setVisible(false);
        w.gr(0).setCaption(QStringLiteral("°C"));
        w.pourcent1.setCaption(QStringLiteral("°C"));
        w.pourcent2.setCaption(QStringLiteral("°C"));
        w.H1.setTop(2280);
        w.H2.setTop(2880);
        w.EFLabel(1).setVisible(false);
        w.EFLabel(2).setVisible(false);
    }
    if (row.waterIsEF2) {
        // The water to add, a second result after the flour, in the unit of the water masses.
        w.gr(0).setCaption(w.gr(5).caption());
        w.EFLabel(2).setVisible(true);
    }
    if (m.phrase0 != nullptr) {
        w.gr(0).setVisible(true);
        w.Phrase(0).setCaption(text(m.phrase0));
        w.Phrase(0).setVisible(true);
        w.EF(2).setVisible(true);
    }
}

}  // namespace

void optionL_Click(Window& w, std::int16_t Index) {
    const ModeRow* row = findModeRow(Index);
    w.TypeCalcul = Index;
    optionH_Click(w, w.UniteH1);
    optionH_Click(w, w.UniteH2);
    optionU_Click(w, w.UniteMasse);

    w.Hydratation(1).setEnabled(true);
    w.H1.setBackColour(lightCyan);
    w.H2.setBackColour(lightGreen);
    w.EF(2).setBold(true);
    w.EF(2).setEnabled(false);
    w.EFLabel(1).setVisible(true);

    // The two mode frames behave as one group: the buttons of the other frame are cleared, which
    // raises no click.
    const Control* frame = row != nullptr ? w.optionL(Index).container() : &w.Pâte;
    for (const ModeRow& other : modeRows()) {
        OptionButton& button = w.optionL(int(other.mode));
        if (button.container() != frame) {
            button.setSelected(false);
        }
    }
    w.Hydratation(2).setEnabled(row != nullptr && row->levain);

    if (row == nullptr || !row->waterIsEF2) {
        w.gr(0).setVisible(false);
        w.Phrase(0).setVisible(false);
        w.EF(2).setVisible(false);
        w.EFLabel(2).setVisible(false);
    }
    if (row != nullptr) {
        applyMode(w, *row);
    }
    Calcule(w);
}

}  // namespace fournil

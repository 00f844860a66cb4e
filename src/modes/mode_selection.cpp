#include "modes/mode_selection.h"

#include "engine/calcule.h"
#include "inputs/units.h"

namespace fournil {
namespace {

// How each mode lays out the sentence; what a row leaves unset stays as the units and the common
// reset left it.
struct ModeLayout {
    bool temperatures;    // mode 3: "°C", neutral colours, no hydration units
    bool rowOneQuantity;  // Phrase(1), Q1 and gr(1) shown
    const char16_t* phrase2;
    const char16_t* phrase3;
    bool q2Result;  // Q2 bold and disabled, else an input
    const char16_t* phrase4;
    bool h2Shown;  // and pourcent1
    bool levain;   // H2d shown when the second hydration is a fraction
    const char16_t* phrase5;
    const char16_t* phrase0;  // the right half of row 3, or null when it stays hidden
};

// clang-format off
constexpr ModeLayout layouts[] = {
    {false, true,  u"de pâte hydraté à   ", u"il faut", true, u"de farine                   ",
     false, false, u"et", nullptr},
    {false, false, u"Pour obtenir une pâte hydraté à", u"à partir de", false,
     u"de farine                   ", false, false, u"il faut", nullptr},
    {true,  true,  u"d'eau à", u"il faut", true, u"d'eau chaude à", true, false, u"et",
     u"d'eau froide à"},
    {false, false, u"Pour obtenir un levain hydraté à", u"à partir de", false,
     u"d'un levain hydraté à", true, true, u"il faut", nullptr},
    {false, true,  u"de levain hydraté à", u"il faut", true, u"de levain hydraté à", true, true,
     u"et", nullptr},
    {false, true,  u"de pâte hydraté à   ", u"avec", false, u"de levain hydraté à  ", true, true,
     u"il faut", u"et  "},
};
// clang-format on

QString text(const char16_t* t) {
    return QString::fromUtf16(t);
}

void appliqueMode(Window& w, int mode, const ModeLayout& m) {
    if (m.temperatures) {
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
    if (!m.levain) {
        w.H2d.setVisible(false);
    } else if (w.optionH(7).selected() || w.optionH(8).selected()) {
        w.H2d.setVisible(true);
    }
    w.Phrase(5).setCaption(text(m.phrase5));

    if (m.temperatures) {
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
    if (mode == 6) {
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

    // The two mode frames behave as one group; clearing raises no click.
    const bool levain = Index >= 4 && Index <= 6;
    for (int i = levain ? 1 : 4, last = i + 2; i <= last; ++i) {
        w.optionL(i).setSelected(false);
    }
    w.Hydratation(2).setEnabled(levain);

    if (Index != 6) {
        w.gr(0).setVisible(false);
        w.Phrase(0).setVisible(false);
        w.EF(2).setVisible(false);
        w.EFLabel(2).setVisible(false);
    }
    if (Index >= 1 && Index <= 6) {
        appliqueMode(w, Index, layouts[Index - 1]);
    }
    Calcule(w);
}

}  // namespace fournil

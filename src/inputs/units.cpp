#include "inputs/units.h"

#include "engine/answer.h"
#include "engine/calcule.h"
#include "modes/modes.h"

namespace fournil {
namespace {

// What each hydration unit writes beside its field, and whether the field shows a denominator
// under it (the numerator then moves up by 120 twips).
struct UnitLayout {
    const char16_t* caption;
    bool fraction;
};
constexpr UnitLayout unitLayouts[] = {
    {u"% (/pâte)", false},
    {u"% (/farine)", false},
    {u"d'eau", true},
    {u"(/farine)", true},
};

}  // namespace

void optionH_Click(Window& w, std::int16_t Index) {
    if (Index >= 1 && Index <= 4) {
        w.UniteH1 = Index;
        const UnitLayout& layout = unitLayouts[Index - 1];
        w.pourcent2.setCaption(QString::fromUtf16(layout.caption));
        w.H1d.setVisible(layout.fraction);
        w.H1.setTop(layout.fraction ? 2160 : 2280);
    } else if (Index >= 5 && Index <= 8) {
        w.UniteH2 = Index;
        const UnitLayout& layout = unitLayouts[Index - 5];
        w.pourcent1.setCaption(QString::fromUtf16(layout.caption));
        if (layout.fraction) {
            w.H2.setTop(2760);
            // Only the levain modes use a second hydration typed as a fraction.
            if (selectedModes(w).any(&ModeRow::levain)) {
                w.H2d.setVisible(true);
            }
        } else {
            w.H2d.setVisible(false);
            w.H2.setTop(2880);
        }
    }
    Calcule(w);
}

void optionU_Click(Window& w, std::int16_t Index) {
    w.UniteMasse = Index;
    if (Index == 1) {
        w.gr(6).setCaption(QStringLiteral("gr"));
    } else if (Index == 2 || Index == 3) {
        w.gr(6).setCaption(QStringLiteral("kg"));
    }
    // gr(6) is the reference the other unit labels copy; in the water-temperature mode gr(0)
    // stands after a temperature and keeps its "°C".
    const QString unit = w.gr(6).caption();
    const SelectedModes modes = selectedModes(w);
    if (!modes.any(&ModeRow::temperatures)) {
        w.gr(0).setCaption(unit);
    }
    for (int i = 1; i <= 5; ++i) {
        w.gr(i).setCaption(unit);
    }
    if (Index == 3) {
        const QString litres = QStringLiteral("l");
        w.gr(5).setCaption(litres);
        if (w.EFLabel(1).caption() == u"d'eau") {
            w.gr(3).setCaption(litres);
        }
        if (modes.any(&ModeRow::waterIsEF2)) {
            w.gr(0).setCaption(litres);
        }
        if (modes.any(&ModeRow::temperatures)) {
            for (int i = 1; i <= 3; ++i) {
                w.gr(i).setCaption(litres);
            }
        }
    }
    // No pass follows: the answer takes the new units here.
    recordAnswer(w);
}

}  // namespace fournil

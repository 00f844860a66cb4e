#include "guidance/examples.h"

#include "engine/calcule.h"
#include "inputs/units.h"

#include <vector>

namespace fournil {
namespace {

struct Saisie {
    TextBox& (*field)(Window&);
    const char16_t* text;
};

// The worked example of each mode: the units it is stated in, the texts typed, in this order,
// and where the caret is left (right after the example's first number).
struct Exemple {
    int masse;
    std::vector<int> hydratations;
    std::vector<Saisie> saisies;
    TextBox& (*caret)(Window&);
    int position;
};

TextBox& q1(Window& w) {
    return w.Q1;
}
TextBox& q2(Window& w) {
    return w.Q2;
}
TextBox& h1(Window& w) {
    return w.H1;
}
TextBox& h2(Window& w) {
    return w.H2;
}
TextBox& ef2(Window& w) {
    return w.EF(2);
}

const std::vector<Exemple>& exemples() {
    static const std::vector<Exemple> table = {
        {1, {2}, {{q1, u"1200"}, {h1, u"70"}}, q1, 4},
        {1, {2}, {{q2, u"650"}, {h1, u"65"}}, q2, 3},
        {3, {}, {{q1, u"32"}, {h1, u"26"}, {h2, u"72"}, {ef2, u"13"}}, q1, 2},
        {1, {2, 5}, {{q2, u"1500"}, {h1, u"68"}, {h2, u"50"}}, q2, 4},
        {1, {2, 5}, {{q1, u"3500"}, {h1, u"66"}, {h2, u"50"}}, q1, 4},
        {1, {2, 6}, {{q1, u"1200"}, {h1, u"70"}, {q2, u"150"}, {h2, u"100"}}, q1, 4},
    };
    return table;
}

}  // namespace

void Simulation_Click(Window& w) {
    if (w.TypeCalcul < 1 || w.TypeCalcul > 6) {
        return;
    }
    const Exemple& exemple = exemples()[std::size_t(w.TypeCalcul - 1)];
    // Selecting a button that was not selected raises its click too; running the unit
    // operation again gives the same result.
    w.optionU(exemple.masse).setSelected(true);
    optionU_Click(w, std::int16_t(exemple.masse));
    for (int unite : exemple.hydratations) {
        w.optionH(unite).setSelected(true);
        optionH_Click(w, std::int16_t(unite));
    }
    for (const Saisie& saisie : exemple.saisies) {
        saisie.field(w).setText(QString::fromUtf16(saisie.text));
    }
    Calcule(w);
    TextBox& caret = exemple.caret(w);
    caret.setSelStart(exemple.position);
    w.setFocus(&caret);
}

}  // namespace fournil

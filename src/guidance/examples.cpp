#include "guidance/examples.h"

#include "engine/calcule.h"
#include "inputs/units.h"
#include "modes/modes.h"

namespace fournil {

void Simulation_Click(Window& w) {
    const ModeRow* row = findModeRow(w.TypeCalcul);
    if (row == nullptr) {
        return;
    }
    const WorkedExample& example = row->example;
    // Selecting a button that was not selected raises its click too; running the unit
    // operation again gives the same result.
    w.optionU(example.massUnit).setSelected(true);
    optionU_Click(w, std::int16_t(example.massUnit));
    for (int unit : example.hydrationUnits) {
        if (unit != 0) {
            w.optionH(unit).setSelected(true);
            optionH_Click(w, std::int16_t(unit));
        }
    }
    for (const ExampleInput& input : example.inputs) {
        if (input.field != nullptr) {
            input.field(w).setText(QString::fromUtf16(input.text));
        }
    }
    Calcule(w);
    TextBox& caret = example.caretField(w);
    caret.setSelStart(example.caretPosition);
    w.setFocus(&caret);
}

}  // namespace fournil

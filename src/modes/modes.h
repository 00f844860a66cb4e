#pragma once

// The calculations, one row each: everything that differs by mode lives in this table, and code
// elsewhere asks the selected modes for it rather than looking at the mode buttons. A new mode is
// one enumerator and one row here, its button in the inventory, and, if it computes in a new way,
// one computation in the engine (the README lists it all).

#include "window/window.h"

#include <array>
#include <cstdint>
#include <span>

namespace fournil {

enum class Mode : std::int16_t {
    FlourAndWater = 1,  // "proportions eau/farine"
    HydratingFlour,     // "hydratation d'une pâte"
    WaterTemperature,   // "t° eau de coulage"
    ChangingLevain,     // "modification d'un levain"
    LevainForLevain,    // "levain1 vers levain2"
    DoughWithLevain,    // "proportion pâte /levain"
};

// How a pass computes. While two modes are selected at once, the later kind wins.
enum class Computation : std::uint8_t { Balance, DoughWithLevain, WaterTemperature };

// What the pass writes below the sentence. While two modes are selected at once, the later kind
// wins; with none selected, the levain correction is written.
enum class CorrectionKind : std::uint8_t {
    LevainCorrection,  // the flour and water to take out of a yeast recipe
    None,
    TemperatureCheck,  // "Incohérence dans les températures"
    QuantityCheck,     // "Incohérence dans les quantités"
    DoughSentence,     // "Pour une quantité de pâte de …"
};

// Whether a whole recipe can be made around the mode's dough, and from which of its results.
enum class RecipeShape : std::uint8_t {
    None,
    FlourAndWater,  // Q2 the flour, EF(1) the water
    WithLevain,     // Q2 the levain, EF(1) the flour and EF(2) the water added to it
};

// How the mode lays out the sentence; what it leaves unset stays as the units and the common reset
// left it.
struct ModeLayout {
    bool rowOneQuantity = true;  // Phrase(1), Q1 and gr(1) shown
    const char16_t* phrase2 = u"";
    const char16_t* phrase3 = u"";
    bool q2Result = true;  // Q2 bold and disabled, else an input
    const char16_t* phrase4 = u"";
    bool h2Shown = true;  // and pourcent1
    const char16_t* phrase5 = u"";
    const char16_t* phrase0 = nullptr;  // the right half of row 3, or null when it stays hidden
};

// A text typed by a worked example.
struct ExampleInput {
    TextBox& (*field)(Window&);
    const char16_t* text;
};

// The worked example of a mode: the units it is stated in, the texts typed, in this order, and
// where the caret is left (right after the example's first number).
struct WorkedExample {
    int massUnit = 1;
    std::array<int, 2> hydrationUnits{};   // 0: none
    std::array<ExampleInput, 4> inputs{};  // a null field ends the list
    TextBox& (*caretField)(Window&) = nullptr;
    int caretPosition = 0;
};

// What each box of the sentence holds in the mode, as a screen reader names it; the unit is added
// from the window. A null first result takes its name from the ingredient the pass names.
struct BoxNames {
    const char16_t* q1 = u"";
    const char16_t* h1 = u"";
    const char16_t* q2 = u"";
    const char16_t* h2 = u"";
    const char16_t* ef1 = nullptr;
    const char16_t* ef2 = u"";
};

// How the command line names the boxes of the sentence in the mode: short, without accents or
// blanks. A null name: the box plays no part in the mode. The denominators of a hydration typed as
// a fraction are "denominateur" and "denominateur-levain" in every mode.
struct CommandNames {
    const char16_t* q1 = nullptr;
    const char16_t* h1 = nullptr;
    const char16_t* q2 = nullptr;
    const char16_t* h2 = nullptr;
    const char16_t* ef1 = nullptr;
    const char16_t* ef2 = nullptr;
};

struct ModeRow {
    Mode mode;
    ModeLayout layout;
    BoxNames names;
    CommandNames commandNames;
    Computation computation = Computation::Balance;
    bool givesQ1 = false;       // the balance computes Q2 from Q1, else Q1 from Q2
    bool zeroesH2 = false;      // a pass first writes "0" into H2: no second hydration
    bool temperatures = false;  // H1, H2 and EF(2) are temperatures; no hydration units
    bool levain = false;        // the second hydration may be a fraction (H2d shown)
    bool waterIsEF2 = false;    // the second result EF(2) is water, in litres under "l/kg"
    CorrectionKind correction = CorrectionKind::None;
    RecipeShape recipe = RecipeShape::None;
    bool levainIsQ1 = false;     // the correction's levain is Q1, else EF(1) + Q2
    const char16_t* help = u"";  // over the mode's button
    const char16_t* q2Help = u"Entrez la quantité de levain";  // over Q2 while it is an input
    const char16_t* correctionHelp = nullptr;                  // over the correction lines
    WorkedExample example;
};

std::span<const ModeRow> modeRows();
const ModeRow& modeRow(Mode mode);
// The row of the mode numbered `index` (TypeCalcul, the mode button's index), or null.
const ModeRow* findModeRow(int index);

// How many modes may be selected at once at most: room for every row of the table (the table
// checks that it fits).
inline constexpr std::size_t modeCapacity = 16;

// The modes whose buttons are selected: one, or two for a moment while a click on a mode button
// re-applies the units (the new button is selected before the old one of the other frame is
// cleared), and every recalculation of that moment sees both.
class SelectedModes {
  public:
    bool has(Mode mode) const;
    bool any(bool ModeRow::*flag) const;
    bool empty() const { return count_ == 0; }
    // The row that speaks for the selection where two disagree: the first in mode order.
    const ModeRow* first() const { return count_ > 0 ? rows_[0] : nullptr; }
    Computation computation() const;
    CorrectionKind correction() const;

    friend SelectedModes selectedModes(const Window& w);

  private:
    std::array<const ModeRow*, modeCapacity> rows_{};
    int count_ = 0;
};

SelectedModes selectedModes(const Window& w);

}  // namespace fournil

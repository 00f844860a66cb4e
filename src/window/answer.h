#pragma once

// The answer of the last recalculation pass, as one plain value: what the sentence says, box by
// box and row by row, with the numbers the pass computed. The pass writes the window as the
// window's rules say and fills this value at the same time; the clipboard text, the tooltips,
// what a screen reader hears and the recipe card are rendered from it, never recovered from the
// captions of the sentence.

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace fournil {

class TextBox;

// The boxes of the sentence, in the order the answer keeps them.
enum class AnswerBox : std::uint8_t { Q1, H1, Q2, H2, EF1, EF2, H1d, H2d };

// The denominator of a hydration typed as a fraction.
constexpr bool isDenominator(AnswerBox box) {
    return box == AnswerBox::H1d || box == AnswerBox::H2d;
}
inline constexpr std::size_t answerBoxCount = 8;

// What one box of the sentence holds.
struct AnswerEntry {
    const TextBox* box = nullptr;
    bool shown = false;
    bool computed = false;  // a result of the pass rather than an input
    QString what;  // what it holds in the mode: "quantité de pâte", "farine", "eau chaude"
    QString text;  // as the box shows it
    std::optional<double> number;  // the text read by the locale
    QString unit;                  // written beside it: "gr", "l", "% (/farine)", "°C"
    bool unitShown = false;
    // A hydration or a temperature: the unit it is typed in ("% farine", "fraction pâte", "°C"),
    // its denominator as shown while typed as a fraction, and its water fraction.
    QString unitName;
    QString denominator;
    std::optional<float> fraction;
};

// A piece of a row: words, or the box at `box` with its unit.
struct AnswerPiece {
    QString words;
    std::optional<AnswerBox> box;
};

// A number of the levain's correction, as the lower sentence writes it.
struct AnswerNumber {
    QString text;
    std::optional<double> number;
    QString unit;
};

// The correction of a yeast recipe in the levain modes.
struct AnswerCorrection {
    QString heading;  // "Correction d'une recette à la levure"
    QString note;     // "(hydratation en % farine)"
    // The levain's line: its words around the levain's mass and hydration.
    std::array<QString, 3> levainWords;
    AnswerNumber levain;
    AnswerNumber hydration;  // in % of the flour
    QString takeOut;         // "il faut retrancher:"
    AnswerNumber flour;
    QString flourWords;
    AnswerNumber water;
    QString waterWords;
};

struct Answer {
    int mode = 0;        // the mode whose row speaks for the sentence, 0 while none is selected
    bool fault = false;  // the pass could not complete: "Calcul impossible avec ces valeurs"
    std::array<AnswerEntry, answerBoxCount> boxes{};
    std::vector<std::vector<AnswerPiece>> rows;  // the three rows of the sentence, top to bottom
    std::optional<AnswerCorrection> correction;  // the levain modes' block
    QString closing;         // any other lower sentence: the dough's total, a coherence message
    bool addsFlour = false;  // the ingredient the pass last named as added: flour, else water

    const AnswerEntry& operator[](AnswerBox b) const { return boxes[std::size_t(b)]; }
    AnswerEntry& operator[](AnswerBox b) { return boxes[std::size_t(b)]; }
};

}  // namespace fournil

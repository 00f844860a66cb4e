#pragma once

// The command line's words: how it names the modes, the units, the boxes of each mode and the
// recipe's fields, and the error a word that names nothing raises.

#include "inputs/base_temperature.h"
#include "inputs/recipe_request.h"
#include "modes/modes.h"
#include "window/answer.h"
#include "window/window.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <stdexcept>
#include <vector>

namespace fournil::calc {

// A request that names something that does not exist: the message says, in French, what does.
class UsageError : public std::runtime_error {
  public:
    explicit UsageError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

  private:
    QString message_;
};

// A box of the sentence as the command line names it in a mode.
struct NamedBox {
    QString name;     // "pate", "hydratation-levain", "denominateur"
    AnswerBox box;    // which box
    QString boxName;  // "Q1" … "EF2", also accepted as its name
    QString meaning;  // what it holds, in French: "quantité de pâte"
};
// Every box the mode can show, in the order of the sentence; made once for each mode.
const std::vector<NamedBox>& namedBoxes(Mode mode);
// The box of `boxes` a word names, by its short name or its own name ("Q1", "EF2" or "EF(2)");
// null for none.
const NamedBox* boxNamed(const std::vector<NamedBox>& boxes, const QString& word);
QString boxName(AnswerBox box);
// Every short name of every mode, each once, in the order of the modes.
QStringList allBoxNames();

// The window's box, const as the window is.
template <class W>
auto& boxOf(W& w, AnswerBox box) {
    switch (box) {
        case AnswerBox::Q1:
            return w.Q1;
        case AnswerBox::H1:
            return w.H1;
        case AnswerBox::Q2:
            return w.Q2;
        case AnswerBox::H2:
            return w.H2;
        case AnswerBox::EF1:
            return w.EF(1);
        case AnswerBox::EF2:
            return w.EF(2);
        case AnswerBox::H1d:
            return w.H1d;
        case AnswerBox::H2d:
            return w.H2d;
    }
    return w.Q1;
}

// The words accepted for a mode, a mass unit and a hydration unit; a UsageError for any other.
Mode modeNamed(QStringView word);
int massUnitNamed(QStringView word);       // 1 gr, 2 kg, 3 l/kg
int hydrationUnitNamed(QStringView word);  // 1 % pâte … 4 fraction farine
QStringList massUnitWords();
QStringList hydrationUnitWords();
// "de 1 à 6", from the table of modes.
QString modeRange();
// A word as the names are written: lower case, no accents, blanks and underscores as hyphens.
QString plainWord(QStringView word);

// The recipe's fields as options (--pieces) and as a batch's columns (pieces).
QString recipeWord(RecipeField field);
std::optional<RecipeField> recipeFieldNamed(QStringView word);

// The base temperature's fields as options (--t-farine) and as columns (t_farine; a batch reads
// either).
QString baseWord(BaseField field);
QString baseColumn(BaseField field);
std::optional<BaseField> baseFieldNamed(QStringView word);

// A batch's columns that are not values, as a header's plain words: the mode, the units, the
// recipe's and the base's fields.
QStringList settingColumns();

QString joined(const QStringList& words);
// "-0" and "-0,0" written as 0.
QString withoutMinusZero(const QString& text);

}  // namespace fournil::calc

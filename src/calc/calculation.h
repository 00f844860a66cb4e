#pragma once

// The calculator without its window: one calculation asked by name (the mode, its units and the
// values of its boxes), played on the window model as a person would play it (the mode and units
// clicked, then each value pasted into its box, which runs the box's handler), and its answer
// written as text, JSON or CSV. The answers are the window's by construction.

#include "modes/modes.h"
#include "window/platform.h"
#include "window/window.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <stdexcept>
#include <utility>
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
// Every box the mode can show, in the order of the sentence.
std::vector<NamedBox> namedBoxes(Mode mode);
// Whether a word names the box: its short name, or its own name ("Q1", "EF2" or "EF(2)").
bool names(const NamedBox& box, const QString& word);
QString boxName(AnswerBox box);

// The words accepted for a mode, a mass unit and a hydration unit; a UsageError for any other.
Mode modeNamed(QStringView word);
int massUnitNamed(QStringView word);       // 1 gr, 2 kg, 3 l/kg
int hydrationUnitNamed(QStringView word);  // 1 % pâte … 4 fraction farine
QStringList massUnitWords();
QStringList hydrationUnitWords();
// A word as the names are written: lower case, no accents, blanks and underscores as hyphens.
QString plainWord(QStringView word);

// A whole recipe around the dough (modes 1 and 6), set after the values: the pieces, the weight
// of one and the baker's percentages, as typed.
struct RecipeRequest {
    QString pieces = QStringLiteral("1"), weight, salt = QStringLiteral("2"),
            yeast = QStringLiteral("0");
};

struct Request {
    Mode mode = Mode::FlourAndWater;
    int massUnit = 0;  // 0: as start-up leaves it
    int hydrationUnit1 = 0;
    int hydrationUnit2 = 0;
    // In the order given: a name (or a box's name) and the text typed.
    std::vector<std::pair<QString, QString>> inputs;
    std::optional<RecipeRequest> recipe;
};

// One value repaired by the window as it would be in the window, in French.
struct Repair {
    QString box;  // "Q1"
    QString typed, kept;
    QString line() const;  // "Q1 : « 12a » remplacé par « 0 »"
};

// A window model with no display behind it, opened afresh for each calculation.
class Calculator {
  public:
    explicit Calculator(const QLocale& locale);
    ~Calculator();
    Calculator(const Calculator&) = delete;
    Calculator& operator=(const Calculator&) = delete;

    // Plays the request; a UsageError when it names what the mode does not have. Returns the
    // values the window repaired.
    std::vector<Repair> run(const Request& request);
    const Window& window() const { return *window_; }
    const QLocale& locale() const { return locale_; }

  private:
    struct Machine;
    QLocale locale_;
    std::unique_ptr<Machine> machine_;
    std::unique_ptr<Window> window_;
};

// The recipe's own inputs read by the locale: a UsageError, in French, for one out of its range.
RecipeInputs recipeInputs(const RecipeRequest& recipe, const QLocale& locale, double* total);

// The answer as the window's "Copier le calcul" gives it.
QString answerText(const Window& w);
// The answer as one JSON object, with the repairs made on the way.
QByteArray answerJson(const Window& w, const std::vector<Repair>& repairs);
// The columns of an answer as CSV gives them, the same for every mode, and one answer's values.
QStringList answerColumns();
QStringList answerValues(const Window& w);
// The unit a hydration is typed in (1 or 2), as its button says; nothing where the mode has none.
QString hydrationUnitShown(const Window& w, int which);
// Whether the answer is "Calcul impossible avec ces valeurs".
bool answerFailed(const Window& w);

// The help of the command: its options and, for each mode or for one, the names of its boxes.
QString helpText(std::optional<Mode> mode);

}  // namespace fournil::calc

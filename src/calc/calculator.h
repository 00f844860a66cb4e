#pragma once

// The calculator without its window: one calculation asked by name (the mode, its units and the
// values of its boxes), played on the window model as a person would play it (the mode and units
// clicked, then each value pasted into its box, which runs the box's handler). The answers are
// the window's by construction.

#include "calc/words.h"
#include "inputs/base_temperature.h"
#include "inputs/recipe_request.h"
#include "window/window.h"
#include "wiring/last_calculation.h"

#include <QLocale>
#include <QString>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace fournil::calc {

struct Request {
    Mode mode = Mode::FlourAndWater;
    int massUnit = 0;  // 0: as start-up leaves it
    int hydrationUnit1 = 0;
    int hydrationUnit2 = 0;
    // In the order given: a name (or a box's name) and the text typed.
    std::vector<std::pair<QString, QString>> inputs;
    // A whole recipe around the dough, set after the values.
    std::optional<RecipeRequest> recipe;
    // A value the window would repair is refused, unless repairs are asked for.
    bool repair = false;
    // The water's temperature worked out from the base temperature, typed before the values.
    std::optional<BaseRequest> base;
    // The units of a kept calculation: one its mode does not show is passed over, not refused.
    bool kept = false;
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

    // Plays the request; a UsageError when it names what the mode does not have, or gives a value
    // the window would repair while repairs are not asked for. Returns the values repaired.
    std::vector<Repair> run(const Request& request);
    const Window& window() const { return *window_; }
    // What a kept calculation holds beside its texts (its recipe, its base temperature's terms),
    // put back as resuming it would: the dough and the target stay.
    void keep(const KeptCalculation& kept);

  private:
    struct Machine;
    void prepare(const Request& request);
    std::vector<Repair> type(const Request& request);
    void makeRecipe(const RecipeRequest& recipe);
    void typeValue(const NamedBox& named, const QString& value, const Request& request,
                   std::vector<Repair>& repairs);
    void typeBase(const BaseRequest& base, const std::vector<NamedBox>& all, bool repair,
                  std::vector<Repair>& repairs);

    QLocale locale_;
    std::unique_ptr<Machine> machine_;
    std::unique_ptr<Window> window_;
};

// The boxes of the mode a person can type into in the window as it stands.
std::vector<NamedBox> inputBoxes(const Window& w, Mode mode);

// The unit a hydration is typed in (1 or 2), as its button says; nothing where the mode has none.
QString hydrationUnitShown(const Window& w, int which);
// The mass unit as its button says.
QString massUnitShown(const Window& w);
// Whether the answer is "Calcul impossible avec ces valeurs".
bool answerFailed(const Window& w);

}  // namespace fournil::calc

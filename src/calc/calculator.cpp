#include "calc/calculator.h"

#include "engine/numbers.h"
#include "guidance/recipe_text.h"
#include "window/history.h"
#include "window/startup.h"
#include "window/user_events.h"
#include "window/vocabulary.h"
#include "wiring/base_apply.h"
#include "wiring/binding.h"
#include "wiring/recipe_dough.h"

#include <algorithm>
#include <map>

namespace fournil::calc {
namespace {

// No files, no logo, a common screen: start-up runs as on a machine where nothing is found.
struct NoFiles : FileSystem {
    QString findFile(const QString&) override { return {}; }
    bool deleteFile(const QString&) override { return false; }
    QString programFolder() override { return {}; }
};
struct NoScreen : Display {
    TwipSize screenSize() override { return {15360, 11520}; }
    TwipSize windowSize() override { return {7000, 6500}; }
};
struct NoPictures : PictureLoader {
    std::shared_ptr<const Picture> load(const QString&) override { return nullptr; }
};

QStringList nameList(const std::vector<NamedBox>& boxes) {
    QStringList list;
    for (const NamedBox& b : boxes) {
        list << b.name;
    }
    return list;
}

void clickUnit(OptionButton& button, const QString& option, const QString& word, bool kept) {
    const bool shown = button.reachable() && button.container()->reachable();
    if (!shown && kept) {
        return;  // as resuming it in the window passes it over
    }
    if (!shown) {
        throw UsageError(QStringLiteral("%1 %2 : ce mode n'a pas cette unité").arg(option, word));
    }
    userClick(button);
}

void clickSettings(Window& w, const Request& request) {
    userClick(w.optionL(int(request.mode)));
    if (request.massUnit != 0) {
        clickUnit(massButton(w, MassUnit(request.massUnit)), QStringLiteral("--masse"),
                  massUnitWords()[request.massUnit - 1], request.kept);
    }
    if (request.hydrationUnit1 != 0) {
        clickUnit(hydrationButton(w, HydrationGroup::First, HydrationUnit(request.hydrationUnit1)),
                  QStringLiteral("--unite1"), hydrationUnitWords()[request.hydrationUnit1 - 1],
                  request.kept);
    }
    if (request.hydrationUnit2 != 0) {
        clickUnit(hydrationButton(w, HydrationGroup::Second, HydrationUnit(request.hydrationUnit2)),
                  QStringLiteral("--unite2"), hydrationUnitWords()[request.hydrationUnit2 - 1],
                  request.kept);
    }
}

// Why a named box takes no value in the mode.
QString notAnInput(const Window& w, const NamedBox& named, Mode mode) {
    if (isDenominator(named.box)) {
        return QStringLiteral(
                   "« %1 » ne sert qu'à une hydratation tapée en fraction "
                   "(--unite1 ou --unite2 fraction-pate ou fraction-farine)")
            .arg(named.name);
    }
    return QStringLiteral("« %1 » est un résultat du mode %2 ; les valeurs à donner sont : %3")
        .arg(named.name)
        .arg(int(mode))
        .arg(joined(nameList(inputBoxes(w, mode))));
}

// Why a value the window would repair is refused: what a number looks like in the locale, or
// what the window would keep of it.
QString refusal(const NamedBox& named, const QString& value, const QString& kept,
                const QLocale& locale) {
    if (!LectureLocale(value.trimmed(), locale)) {
        const QString language = locale.language() == QLocale::C
                                     ? QStringLiteral("avec un point")
                                     : QStringLiteral("en ") + locale.nativeLanguageName();
        return QStringLiteral("%1 « %2 » n'est pas un nombre %3 ; %4 (--reparer : « %5 »)")
            .arg(named.name, value, language, locale.toString(70.5), kept);
    }
    return QStringLiteral(
               "%1 « %2 » est hors de ce que la case garde ; la fenêtre le remplace "
               "par « %3 » (--reparer)")
        .arg(named.name, value, kept);
}

}  // namespace

QString Repair::line() const {
    return QStringLiteral("%1 : « %2 » remplacé par « %3 »").arg(box, typed, kept);
}

struct Calculator::Machine {
    NoFiles files;
    NoScreen screen;
    NoPictures pictures;
    Platform platform{files, screen, pictures};
    WindowState start;  // the window as start-up leaves it
    // The window with a mode and units clicked, or why they could not be.
    struct Prepared {
        WindowState state;
        Control* focus = nullptr;
        std::optional<QString> refused;
    };
    std::map<int, Prepared> prepared;
};

Calculator::Calculator(const QLocale& locale)
    : locale_(locale), machine_(std::make_unique<Machine>()), window_(std::make_unique<Window>()) {
    Window& w = *window_;
    w.setLocale(locale_);
    bindHandlers(w, machine_->platform);
    // Nobody hears this window or undoes in it.
    w.answerWords = nullptr;
    w.spokenAnswer = nullptr;
    w.history().stopRecording();
    openWindow(w);
    machine_->start = snapshot(w);
}

Calculator::~Calculator() = default;

std::vector<Repair> Calculator::run(const Request& request) {
    prepare(request);
    std::vector<Repair> repairs = type(request);
    if (request.recipe) {
        makeRecipe(*request.recipe);
    }
    return repairs;
}

void Calculator::prepare(const Request& request) {
    // Each calculation starts from the window as start-up leaves it, its mode and units clicked.
    // The state that leaves is kept for the next calculation of the same mode and units, so that a
    // long CSV file clicks each of them once.
    Window& w = *window_;
    const int unitsKey =
        ((int(request.mode) * 4 + request.massUnit) * 5 + request.hydrationUnit1) * 5 +
        request.hydrationUnit2;
    const int key = unitsKey * 2 + (request.kept ? 1 : 0);
    auto& prepared = machine_->prepared;
    auto found = prepared.find(key);
    if (found == prepared.end()) {
        restore(w, machine_->start);
        focusFirst(w);
        std::optional<QString> refused;
        try {
            clickSettings(w, request);
        } catch (const UsageError& e) {
            refused = e.message();
        }
        found = prepared.emplace(key, Machine::Prepared{snapshot(w), w.focus(), refused}).first;
    }
    if (found->second.refused) {
        throw UsageError(*found->second.refused);
    }
    restore(w, found->second.state);
    w.setFocus(found->second.focus);
}

std::vector<Repair> Calculator::type(const Request& request) {
    Window& w = *window_;
    const std::vector<NamedBox>& all = namedBoxes(request.mode);
    std::vector<Repair> repairs;
    if (request.base) {
        typeBase(*request.base, all, request.repair, repairs);
    }
    for (const auto& input : request.inputs) {
        const QString& given = input.first;
        const NamedBox* named = boxNamed(all, given);
        if (named == nullptr) {
            throw UsageError(
                QStringLiteral("nom inconnu « %1 » pour le mode %2 ; les noms sont : %3")
                    .arg(given)
                    .arg(int(request.mode))
                    .arg(joined(nameList(inputBoxes(w, request.mode)))));
        }
        typeValue(*named, input.second, request, repairs);
    }
    return repairs;
}

void Calculator::typeValue(const NamedBox& named, const QString& value, const Request& request,
                           std::vector<Repair>& repairs) {
    Window& w = *window_;
    TextBox& box = boxOf(w, named.box);
    if (!box.reachable()) {
        throw UsageError(notAnInput(w, named, request.mode));
    }
    userPaste(box, value);
    if (box.text() != value) {
        if (!request.repair) {
            throw UsageError(refusal(named, value, box.text(), locale_));
        }
        repairs.push_back({named.boxName, value, box.text()});
    }
}

void Calculator::typeBase(const BaseRequest& base, const std::vector<NamedBox>& all, bool repair,
                          std::vector<Repair>& repairs) {
    const auto target = std::find_if(all.begin(), all.end(),
                                     [](const NamedBox& b) { return b.box == AnswerBox::H1; });
    if (!baseApplies(*window_) || target == all.end()) {
        throw UsageError(QStringLiteral("--base, --t-farine, --t-fournil et --t-levain ne servent "
                                        "qu'au mode %1 (%2)")
                             .arg(int(Mode::WaterTemperature))
                             .arg(modeCaption(Mode::WaterTemperature)));
    }
    const BaseCheck check = checkBase(base, locale_);
    for (BaseField f : baseFields) {
        if (!check.problem(f).isEmpty()) {
            throw UsageError(
                QStringLiteral("--%1 « %2 » : %3").arg(baseWord(f), base[f], check.problem(f)));
        }
    }
    Request asked;
    asked.repair = repair;
    asked.mode = Mode::WaterTemperature;
    typeValue(*target, unroundedText(check.result->water, locale_), asked, repairs);
    window_->setBaseTerms(BaseTerms{base.texts});
}

void Calculator::keep(const KeptCalculation& kept) {
    if (kept.recipe && recipeApplies(*window_)) {
        window_->setRecipe(kept.recipe);
    }
    if (baseApplies(*window_)) {
        window_->setBaseTerms(kept.base);
    }
}

void Calculator::makeRecipe(const RecipeRequest& recipe) {
    Window& w = *window_;
    if (!recipeApplies(w)) {
        QStringList words;
        for (RecipeField f : recipeFields) {
            words << recipeWord(f);
        }
        throw UsageError(QStringLiteral("la recette (%1) : ").arg(joined(words)) +
                         recipeUnavailableReason());
    }
    for (RecipeField f : recipeFields) {
        if (recipe[f].isEmpty()) {
            throw UsageError(
                QStringLiteral("--%1 manque : %2").arg(recipeWord(f), recipeFieldMeaning(f)));
        }
    }
    const RecipeCheck check = checkRecipe(recipe, locale_, {recipeStep(w), recipeUnit(w)});
    for (RecipeField f : recipeFields) {
        if (!check.problem(f).isEmpty()) {
            throw UsageError(
                QStringLiteral("--%1 « %2 » : %3").arg(recipeWord(f), recipe[f], check.problem(f)));
        }
    }
    applyRecipe(w, *check.inputs, check.total);
}

std::vector<NamedBox> inputBoxes(const Window& w, Mode mode) {
    std::vector<NamedBox> inputs;
    for (const NamedBox& b : namedBoxes(mode)) {
        if (boxOf(w, b.box).reachable()) {
            inputs.push_back(b);
        }
    }
    return inputs;
}

QString hydrationUnitShown(const Window& w, int which) {
    const int unit = which == 1 ? w.UniteH1 : w.UniteH2;
    const auto group = which == 1 ? HydrationGroup::First : HydrationGroup::Second;
    const Control& frame = *hydrationButton(w, group, HydrationUnit::PercentOfDough).container();
    if (unit < 1 || !frame.enabled() || (which == 2 && !w.H2.visible())) {
        return {};
    }
    return w.optionH(unit).caption();
}

QString massUnitShown(const Window& w) {
    return massButton(w, MassUnit(std::max<int>(1, w.UniteMasse))).caption();
}

bool answerFailed(const Window& w) {
    return w.answer.fault;
}

}  // namespace fournil::calc

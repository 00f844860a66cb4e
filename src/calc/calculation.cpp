#include "calc/calculation.h"

#include "engine/numbers.h"
#include "engine/recipe.h"
#include "guidance/calculation_text.h"
#include "window/startup.h"
#include "window/user_events.h"
#include "wiring/actions.h"
#include "wiring/binding.h"

#include <algorithm>
#include <charconv>
#include <cmath>
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

QString modeCaption(Mode mode) {
    return Window().optionL(int(mode)).caption();
}

QString joined(const QStringList& words) {
    return words.join(QStringLiteral(", "));
}

QStringList nameList(const std::vector<NamedBox>& boxes) {
    QStringList list;
    for (const NamedBox& b : boxes) {
        list << b.name;
    }
    return list;
}

// The boxes a person can type into once the mode and units are clicked.
std::vector<NamedBox> inputsShown(Window& w, Mode mode) {
    std::vector<NamedBox> inputs;
    for (const NamedBox& b : namedBoxes(mode)) {
        if (boxOf(w, b.box).reachable()) {
            inputs.push_back(b);
        }
    }
    return inputs;
}

void clickUnit(OptionButton& button, const QString& option, const QString& word) {
    if (!button.reachable() || !button.container()->reachable()) {
        throw UsageError(QStringLiteral("%1 %2 : ce mode n'a pas cette unité").arg(option, word));
    }
    userClick(button);
}

// JSON, written by hand so that the keys keep the order a reader expects.
QString jsonString(const QString& text) {
    QString out = QStringLiteral("\"");
    for (QChar c : text) {
        switch (c.unicode()) {
            case u'"':
                out += QStringLiteral("\\\"");
                break;
            case u'\\':
                out += QStringLiteral("\\\\");
                break;
            case u'\n':
                out += QStringLiteral("\\n");
                break;
            case u'\r':
                out += QStringLiteral("\\r");
                break;
            case u'\t':
                out += QStringLiteral("\\t");
                break;
            default:
                if (c.unicode() < 0x20) {
                    out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
                } else {
                    out += c;
                }
        }
    }
    return out + u'"';
}

QString jsonNumber(std::optional<double> value) {
    if (!value || !std::isfinite(*value)) {
        return QStringLiteral("null");
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, *value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

QString jsonTextOrNull(const QString& text) {
    return text.isEmpty() ? QStringLiteral("null") : jsonString(text);
}

QString jsonObject(const std::vector<std::pair<const char*, QString>>& members) {
    QStringList parts;
    for (const auto& [key, value] : members) {
        parts << jsonString(QString::fromLatin1(key)) + QStringLiteral(": ") + value;
    }
    return u'{' + parts.join(QStringLiteral(", ")) + u'}';
}

QString jsonAnswerNumber(const AnswerNumber& n) {
    return jsonObject({{"texte", jsonString(n.text.simplified())},
                       {"nombre", jsonNumber(n.number)},
                       {"unite", jsonTextOrNull(n.unit.simplified())}});
}

}  // namespace

QString hydrationUnitShown(const Window& w, int which) {
    const int unit = which == 1 ? w.UniteH1 : w.UniteH2;
    const Control& frame = *w.optionH(which == 1 ? 1 : 5).container();
    if (unit < 1 || !frame.enabled() || (which == 2 && !w.H2.visible())) {
        return {};
    }
    return w.optionH(unit).caption();
}

namespace {

QString fractionText(const Window& w, float fraction) {
    return unroundedText(double(fraction), w.locale());
}

}  // namespace

QString boxName(AnswerBox box) {
    static const char* const names[] = {"Q1", "H1", "Q2", "H2", "EF1", "EF2", "H1d", "H2d"};
    return QString::fromLatin1(names[std::size_t(box)]);
}

std::vector<NamedBox> namedBoxes(Mode mode) {
    const ModeRow& row = modeRow(mode);
    const CommandNames& n = row.commandNames;
    const BoxNames& m = row.names;
    std::vector<NamedBox> boxes;
    const auto add = [&](const char16_t* name, AnswerBox box, const char16_t* meaning,
                         const QString& otherwise = {}) {
        if (name != nullptr) {
            const QString what =
                meaning != nullptr && *meaning != u'\0' ? QString::fromUtf16(meaning) : otherwise;
            boxes.push_back({QString::fromUtf16(name), box, boxName(box), what});
        }
    };
    add(n.q1, AnswerBox::Q1, m.q1);
    add(n.h1, AnswerBox::H1, m.h1);
    if (!row.temperatures) {
        add(u"denominateur", AnswerBox::H1d, nullptr,
            QStringLiteral("dénominateur de « %1 » tapée en fraction")
                .arg(QString::fromUtf16(n.h1)));
    }
    add(n.q2, AnswerBox::Q2, m.q2);
    add(n.h2, AnswerBox::H2, m.h2);
    if (row.levain) {
        add(u"denominateur-levain", AnswerBox::H2d, nullptr,
            QStringLiteral("dénominateur de « %1 » tapée en fraction")
                .arg(QString::fromUtf16(n.h2)));
    }
    add(n.ef1, AnswerBox::EF1, m.ef1, QStringLiteral("farine ou eau à ajouter"));
    add(n.ef2, AnswerBox::EF2, m.ef2);
    return boxes;
}

bool names(const NamedBox& box, const QString& word) {
    QString own = word;
    own.remove(u'(').remove(u')');
    return box.name == plainWord(word) || box.boxName.compare(own, Qt::CaseInsensitive) == 0;
}

QString plainWord(QStringView word) {
    QString plain;
    for (QChar c : word.toString().normalized(QString::NormalizationForm_D)) {
        if (c.category() == QChar::Mark_NonSpacing) {
            continue;
        }
        plain += (c == u' ' || c == u'_') ? QChar(u'-') : c.toLower();
    }
    return plain.trimmed();
}

Mode modeNamed(QStringView word) {
    bool ok = false;
    const int number = word.toInt(&ok);
    if (ok && findModeRow(number) != nullptr) {
        return Mode(number);
    }
    QStringList modes;
    for (const ModeRow& row : modeRows()) {
        modes << QStringLiteral("%1 (%2)").arg(int(row.mode)).arg(modeCaption(row.mode));
    }
    throw UsageError(
        QStringLiteral("mode inconnu « %1 » ; les modes sont : %2").arg(word, joined(modes)));
}

QStringList massUnitWords() {
    return {QStringLiteral("gr"), QStringLiteral("kg"), QStringLiteral("l/kg")};
}

QStringList hydrationUnitWords() {
    return {QStringLiteral("pate"), QStringLiteral("farine"), QStringLiteral("fraction-pate"),
            QStringLiteral("fraction-farine")};
}

int massUnitNamed(QStringView word) {
    QString plain = plainWord(word);
    if (plain == u"g") {
        plain = QStringLiteral("gr");
    }
    const qsizetype at = massUnitWords().indexOf(plain);
    if (at < 0) {
        throw UsageError(QStringLiteral("unité de masse inconnue « %1 » ; les unités sont : %2")
                             .arg(word, joined(massUnitWords())));
    }
    return int(at) + 1;
}

int hydrationUnitNamed(QStringView word) {
    // "% pâte", "%pate" and "pate" alike.
    QString plain = plainWord(word);
    plain.remove(u'%');
    while (plain.startsWith(u'-')) {
        plain.remove(0, 1);
    }
    const qsizetype at = hydrationUnitWords().indexOf(plain);
    if (at < 0) {
        throw UsageError(
            QStringLiteral("unité d'hydratation inconnue « %1 » ; les unités sont : %2 "
                           "(% pâte, % farine, fraction pâte, fraction farine)")
                .arg(word, joined(hydrationUnitWords())));
    }
    return int(at) + 1;
}

QString Repair::line() const {
    return QStringLiteral("%1 : « %2 » remplacé par « %3 »").arg(box, typed, kept);
}

namespace {

void clickSettings(Window& w, const Request& request) {
    userClick(w.optionL(int(request.mode)));
    if (request.massUnit != 0) {
        clickUnit(w.optionU(request.massUnit), QStringLiteral("--masse"),
                  massUnitWords()[request.massUnit - 1]);
    }
    if (request.hydrationUnit1 != 0) {
        clickUnit(w.optionH(request.hydrationUnit1), QStringLiteral("--unite1"),
                  hydrationUnitWords()[request.hydrationUnit1 - 1]);
    }
    if (request.hydrationUnit2 != 0) {
        clickUnit(w.optionH(4 + request.hydrationUnit2), QStringLiteral("--unite2"),
                  hydrationUnitWords()[request.hydrationUnit2 - 1]);
    }
}

}  // namespace

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
    // Each calculation starts from the window as start-up leaves it, its mode and units clicked.
    // The state that leaves is kept for the next calculation of the same mode and units, so that a
    // long CSV file clicks each of them once.
    Window& w = *window_;
    const int key = ((int(request.mode) * 4 + request.massUnit) * 5 + request.hydrationUnit1) * 5 +
                    request.hydrationUnit2;
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

    const std::vector<NamedBox> all = namedBoxes(request.mode);
    std::vector<Repair> repairs;
    for (const auto& input : request.inputs) {
        const QString& given = input.first;
        const QString& value = input.second;
        const auto named = std::find_if(all.begin(), all.end(),
                                        [&](const NamedBox& b) { return names(b, given); });
        if (named == all.end()) {
            throw UsageError(
                QStringLiteral("nom inconnu « %1 » pour le mode %2 ; les noms sont : %3")
                    .arg(given)
                    .arg(int(request.mode))
                    .arg(joined(nameList(inputsShown(w, request.mode)))));
        }
        TextBox& box = boxOf(w, named->box);
        if (!box.reachable()) {
            const bool denominator = named->box == AnswerBox::H1d || named->box == AnswerBox::H2d;
            throw UsageError(
                denominator
                    ? QStringLiteral("« %1 » ne sert qu'à une hydratation tapée en fraction "
                                     "(--unite1 ou --unite2 fraction-pate ou fraction-farine)")
                          .arg(named->name)
                    : QStringLiteral("« %1 » est un résultat du mode %2 ; les valeurs à donner "
                                     "sont : %3")
                          .arg(named->name)
                          .arg(int(request.mode))
                          .arg(joined(nameList(inputsShown(w, request.mode)))));
        }
        userPaste(box, value);
        if (box.text() != value) {
            repairs.push_back({named->boxName, value, box.text()});
        }
    }
    if (request.recipe) {
        if (!recipeApplies(w)) {
            throw UsageError(QStringLiteral("la recette (pieces, poids, sel, levure) : ") +
                             recipeUnavailableReason());
        }
        double total = 0;
        const RecipeInputs recipe = recipeInputs(*request.recipe, locale_, &total);
        applyRecipe(w, recipe, total);
    }
    return repairs;
}

RecipeInputs recipeInputs(const RecipeRequest& r, const QLocale& locale, double* total) {
    bool whole = false;
    const int pieces = locale.toInt(r.pieces.trimmed(), &whole);
    if (!whole || pieces < 1 || pieces > maximumPieces) {
        throw UsageError(QStringLiteral("--pieces « %1 » : un nombre entier de 1 à %2")
                             .arg(r.pieces)
                             .arg(maximumPieces));
    }
    const auto weight = LectureLocale(r.weight.trimmed(), locale);
    if (!weight || !std::isfinite(*weight) || *weight <= 0 || *weight >= 1e9) {
        throw UsageError(
            r.weight.isEmpty()
                ? QStringLiteral("--poids manque : le poids d'un pâton")
                : QStringLiteral("--poids « %1 » : un poids plus grand que 0").arg(r.weight));
    }
    const auto percent = [&](const QString& text, const char* option) {
        const auto p = LectureLocale(text.trimmed(), locale);
        if (!p || *p < 0 || *p > maximumPercent) {
            throw UsageError(QStringLiteral("%1 « %2 » : un pourcentage de 0 à %3")
                                 .arg(QString::fromLatin1(option), text)
                                 .arg(maximumPercent));
        }
        return *p;
    };
    const RecipeInputs recipe{pieces, percent(r.salt, "--sel"), percent(r.yeast, "--levure")};
    *total = pieces * *weight;
    return recipe;
}

QString answerText(const Window& w) {
    return calculationText(w);
}

bool answerFailed(const Window& w) {
    return w.answer.fault;
}

QByteArray answerJson(const Window& w, const std::vector<Repair>& repairs) {
    const Answer& a = w.answer;
    const auto mode = Mode(a.mode);
    std::vector<NamedBox> boxes;
    if (findModeRow(a.mode) != nullptr) {
        boxes = namedBoxes(mode);
    }
    QStringList entries;
    for (const NamedBox& b : boxes) {
        const AnswerEntry& e = a[b.box];
        if (!e.shown || (a.fault && e.computed)) {
            continue;  // a result of a calculation that could not be done is no answer
        }
        const bool denominator = b.box == AnswerBox::H1d || b.box == AnswerBox::H2d;
        std::vector<std::pair<const char*, QString>> members = {
            {"nom", jsonString(b.name)},
            {"case", jsonString(b.boxName)},
            {"libelle", jsonString(e.what.isEmpty() || denominator ? b.meaning : e.what)},
            {"texte", jsonString(e.text)},
            {"nombre", jsonNumber(e.number)},
            {"unite", jsonTextOrNull(e.unitShown ? e.unit.simplified() : QString())},
            {"resultat", e.computed ? QStringLiteral("true") : QStringLiteral("false")},
        };
        if (!e.unitName.isEmpty()) {
            members.emplace_back("unite_saisie", jsonString(e.unitName));
        }
        if (e.fraction) {
            members.emplace_back("fraction_eau", jsonNumber(double(*e.fraction)));
        }
        entries << jsonObject(members);
    }
    QString correction = QStringLiteral("null");
    if (a.correction && !a.fault) {
        const AnswerCorrection& c = *a.correction;
        correction = jsonObject({{"titre", jsonString(c.heading)},
                                 {"levain", jsonAnswerNumber(c.levain)},
                                 {"hydratation_levain", jsonAnswerNumber(c.hydration)},
                                 {"farine", jsonAnswerNumber(c.flour)},
                                 {"eau", jsonAnswerNumber(c.water)}});
    }
    QStringList repaired;
    for (const Repair& r : repairs) {
        repaired << jsonObject({{"case", jsonString(r.box)},
                                {"tape", jsonString(r.typed)},
                                {"garde", jsonString(r.kept)}});
    }
    QString recipe = QStringLiteral("null");
    if (const auto table = recipeTable(w)) {
        QStringList rows;
        for (const RecipeRow& row : table->rows) {
            rows << jsonObject(
                {{"ingredient", jsonString(row.name)},
                 {"dans_le_levain", row.part ? QStringLiteral("true") : QStringLiteral("false")},
                 {"texte", jsonString(row.massText)},
                 {"masse", jsonNumber(row.mass)},
                 {"pourcentage", jsonNumber(row.percent)}});
        }
        recipe = jsonObject({{"pieces", QString::number(table->pieces)},
                             {"poids_piece", jsonNumber(table->pieceWeight)},
                             {"unite", jsonString(table->unit)},
                             {"ingredients", u'[' + rows.join(QStringLiteral(", ")) + u']'},
                             {"total", jsonNumber(table->total)},
                             {"hydratation_pate", jsonNumber(table->hydration[0])},
                             {"hydratation_farine", jsonNumber(table->hydration[1])},
                             {"texte", jsonString(table->piecesText)}});
    }
    const QString units =
        jsonObject({{"masse", jsonString(w.optionU(std::max<int>(1, w.UniteMasse)).caption())},
                    {"hydratation1", jsonTextOrNull(hydrationUnitShown(w, 1))},
                    {"hydratation2", jsonTextOrNull(hydrationUnitShown(w, 2))}});
    const QString object = jsonObject({
        {"mode", QString::number(a.mode)},
        {"calcul",
         jsonString(findModeRow(a.mode) != nullptr ? w.optionL(a.mode).caption() : QString())},
        {"unites", units},
        {"cases", u'[' + entries.join(QStringLiteral(", ")) + u']'},
        {"fractions_eau", jsonObject({{"FracEau1", jsonNumber(double(w.FracEau1))},
                                      {"FracEau2", jsonNumber(double(w.FracEau2))}})},
        {"correction", correction},
        {"recette", recipe},
        {"phrase", jsonTextOrNull(a.fault ? QString() : a.closing.simplified())},
        {"texte", jsonString(calculationText(w))},
        {"erreur", a.fault ? jsonString(calculationText(w)) : QStringLiteral("null")},
        {"reparations", u'[' + repaired.join(QStringLiteral(", ")) + u']'},
    });
    return (object + u'\n').toUtf8();
}

QStringList answerColumns() {
    return {QStringLiteral("Q1"),
            QStringLiteral("H1"),
            QStringLiteral("H1d"),
            QStringLiteral("Q2"),
            QStringLiteral("H2"),
            QStringLiteral("H2d"),
            QStringLiteral("EF1"),
            QStringLiteral("EF1_libelle"),
            QStringLiteral("EF2"),
            QStringLiteral("FracEau1"),
            QStringLiteral("FracEau2"),
            QStringLiteral("correction_levain"),
            QStringLiteral("correction_farine"),
            QStringLiteral("correction_eau"),
            QStringLiteral("recette_pieces"),
            QStringLiteral("recette_poids"),
            QStringLiteral("recette_farine"),
            QStringLiteral("recette_eau"),
            QStringLiteral("recette_levain"),
            QStringLiteral("recette_sel"),
            QStringLiteral("recette_levure"),
            QStringLiteral("recette_total"),
            QStringLiteral("recette_hydratation_farine"),
            QStringLiteral("erreur")};
}

QStringList answerValues(const Window& w) {
    const Answer& a = w.answer;
    const auto shown = [&](AnswerBox b) {
        return a[b].shown && !(a.fault && a[b].computed) ? a[b].text : QString();
    };
    QStringList values;
    for (AnswerBox b : {AnswerBox::Q1, AnswerBox::H1, AnswerBox::H1d, AnswerBox::Q2, AnswerBox::H2,
                        AnswerBox::H2d, AnswerBox::EF1}) {
        values << shown(b);
    }
    values << (a[AnswerBox::EF1].shown && !a.fault ? a[AnswerBox::EF1].what : QString());
    values << shown(AnswerBox::EF2);
    values << fractionText(w, w.FracEau1) << fractionText(w, w.FracEau2);
    const bool correction = a.correction.has_value() && !a.fault;
    values << (correction ? a.correction->levain.text.simplified() : QString())
           << (correction ? a.correction->flour.text.simplified() : QString())
           << (correction ? a.correction->water.text.simplified() : QString());
    const auto table = recipeTable(w);
    const auto mass = [&](const char* name) {
        if (table) {
            for (const RecipeRow& row : table->rows) {
                if (!row.part && row.name == QLatin1String(name)) {
                    return row.massText;
                }
            }
        }
        return QString();
    };
    values << (table ? QString::number(table->pieces) : QString())
           << (table ? table->pieceWeightText : QString()) << mass("farine") << mass("eau")
           << mass("levain") << mass("sel") << mass("levure")
           << (table ? table->totalText : QString())
           << (table ? table->hydrationTexts[1].section(u' ', 0, 0) : QString());
    values << (a.fault ? calculationText(w) : QString());
    return values;
}

QString helpText(std::optional<Mode> only) {
    QString text = QStringLiteral(
        "Usage : fournil-calc --mode N [--masse UNITÉ] [--unite1 UNITÉ] [--unite2 UNITÉ]\n"
        "                     [--format texte|json|csv] [--locale NOM] NOM=VALEUR ...\n"
        "        fournil-calc --csv FICHIER|- [--locale NOM]\n"
        "\n"
        "Fait un calcul de la fenêtre de Fournil et en écrit la réponse, la même que dans la "
        "fenêtre.\n"
        "Les valeurs sont tapées dans l'ordre donné, comme au clavier, après le choix du mode et "
        "des\n"
        "unités ; elles se lisent selon la langue (LC_ALL, LC_NUMERIC, LANG ou --locale) : "
        "70,5 en français.\n"
        "\n"
        "Options :\n"
        "  --mode N          le calcul, de 1 à 6 (voir plus bas)\n"
        "  --masse UNITÉ     l'unité de masse : gr, kg ou l/kg\n"
        "  --unite1 UNITÉ    l'unité de la première hydratation : pate, farine, fraction-pate,\n"
        "                    fraction-farine (% pâte, % farine, fraction pâte, fraction farine)\n"
        "  --unite2 UNITÉ    l'unité de la seconde hydratation (celle du levain), mêmes unités\n"
        "  --format F        texte (comme « Copier le calcul »), json ou csv ; texte par défaut\n"
        "  --locale NOM      lit et écrit les nombres selon cette langue (C, fr_FR, en_US…)\n"
        "  --pieces N        la recette complète (modes 1 et 6) : le nombre de pâtons (1 à "
        "10000),\n"
        "  --poids P         le poids d'un pâton dans l'unité de masse (obligatoire pour une "
        "recette),\n"
        "  --sel P           le sel et la levure en % de toute la farine (0 à 20 ; 2 et 0 par "
        "défaut) :\n"
        "  --levure P        la pâte est tapée pour faire pâtons × poids, la recette suit\n"
        "  --csv FICHIER     un calcul par ligne d'un fichier CSV (- : l'entrée standard) ; "
        "l'en-tête\n"
        "                    nomme mode, masse, unite1, unite2, pieces, poids, sel, levure et "
        "les valeurs\n"
        "  --help            cette aide ; avec --mode N, les noms de ce mode seulement\n"
        "  --version         la version\n"
        "\n"
        "Sortie : 0 avec une réponse, 3 quand la réponse est « Calcul impossible avec ces "
        "valeurs »,\n"
        "2 pour une option, un mode, une unité ou un nom inconnus.\n");
    for (const ModeRow& row : modeRows()) {
        if (only && row.mode != *only) {
            continue;
        }
        text += QStringLiteral("\nMode %1 : %2\n").arg(int(row.mode)).arg(modeCaption(row.mode));
        // The mode clicked, to see which of its boxes take a value.
        Calculator calculator(QLocale::c());
        calculator.run({row.mode, 0, 0, 0, {}, std::nullopt});
        const Window& w = calculator.window();
        for (const NamedBox& b : namedBoxes(row.mode)) {
            const bool denominator = b.box == AnswerBox::H1d || b.box == AnswerBox::H2d;
            const bool input = denominator || boxOf(w, b.box).reachable();
            text += QStringLiteral("  %1 %2 %3%4\n")
                        .arg(b.name, -22)
                        .arg(b.boxName, -4)
                        .arg(b.meaning)
                        .arg(input ? QString() : QStringLiteral(" (résultat)"));
        }
    }
    return text;
}

}  // namespace fournil::calc

#include "wiring/last_calculation.h"

#include "modes/modes.h"
#include "window/user_events.h"
#include "window/window.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace fournil {
namespace {

const QString format = QStringLiteral("fournil-calcul");
constexpr int version = 1;
// Longer than any text a person types into a box.
constexpr qsizetype longestText = 4096;

// The boxes a person types into, in the order of the sentence, each with its denominator after it.
std::array<TextBox*, 7> typedBoxes(const Window& w) {
    return {&w.Q1, &w.H1, &w.H1d, &w.Q2, &w.H2, &w.H2d, &w.EF(2)};
}

// The recipe, when one was kept and makes sense; a recipe that does not is left out, not the
// calculation.
bool validRecipe(const RecipeInputs& recipe) {
    const auto percent = [](double p) { return p >= 0 && p <= maximumPercent; };
    return recipe.pieces >= 1 && recipe.pieces <= maximumPieces && percent(recipe.salt) &&
           percent(recipe.yeast);
}

std::optional<RecipeInputs> recipeOf(const QJsonValue& value) {
    if (!value.isObject()) {
        return std::nullopt;
    }
    const QJsonObject r = value.toObject();
    const RecipeInputs recipe{r.value(u"pieces").toInt(), r.value(u"sel").toDouble(-1),
                              r.value(u"levure").toDouble(-1)};
    return validRecipe(recipe) ? std::optional(recipe) : std::nullopt;
}

// The base temperature's four texts; a list of anything else is left out, not the calculation.
std::optional<BaseTerms> baseOf(const QJsonValue& value) {
    const QJsonArray texts = value.toArray();
    if (texts.size() != qsizetype(std::tuple_size_v<decltype(BaseTerms::texts)>)) {
        return std::nullopt;
    }
    BaseTerms base;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (!texts[i].isString()) {
            return std::nullopt;
        }
        base.texts[std::size_t(i)] = texts[i].toString();
    }
    return base;
}

std::optional<KeptCalculation> parse(const QByteArray& bytes) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        return std::nullopt;
    }
    const QJsonObject o = document.object();
    if (o.value(u"format").toString() != format || o.value(u"version").toInt() != version) {
        return std::nullopt;
    }
    KeptCalculation s{o.value(u"mode").toInt(),
                      o.value(u"masse").toInt(),
                      o.value(u"unite1").toInt(),
                      o.value(u"unite2").toInt(),
                      {},
                      std::nullopt,
                      std::nullopt};
    if (!o.value(u"saisies").isArray()) {
        return std::nullopt;
    }
    for (const QJsonValue& entry : o.value(u"saisies").toArray()) {
        const QJsonObject e = entry.toObject();
        if (!e.value(u"texte").isString()) {
            return std::nullopt;
        }
        s.texts.emplace_back(e.value(u"case").toString(), e.value(u"texte").toString());
    }
    s.recipe = recipeOf(o.value(u"recette"));
    s.base = baseOf(o.value(u"base"));
    return validCalculation(s) ? std::optional(s) : std::nullopt;
}

}  // namespace

const QStringList& typedBoxNames() {
    static const QStringList names = {
        QStringLiteral("Q1"), QStringLiteral("H1"),  QStringLiteral("H1d"),  QStringLiteral("Q2"),
        QStringLiteral("H2"), QStringLiteral("H2d"), QStringLiteral("EF(2)")};
    return names;
}

bool validCalculation(const KeptCalculation& s) {
    if (findModeRow(s.mode) == nullptr || s.massUnit < 1 || s.massUnit > 3 || s.unit1 < 1 ||
        s.unit1 > 4 || s.unit2 < 5 || s.unit2 > 8 || (s.recipe && !validRecipe(*s.recipe))) {
        return false;
    }
    const auto bounded = [](const QString& text) { return text.size() <= longestText; };
    if (s.base && !std::all_of(s.base->texts.begin(), s.base->texts.end(), bounded)) {
        return false;
    }
    return std::all_of(s.texts.begin(), s.texts.end(), [](const auto& t) {
        return typedBoxNames().contains(t.first) && t.second.size() <= longestText;
    });
}

QString notReplayable(const QString& name) {
    return QStringLiteral("« %1 » n'est pas un calcul que cette version de Fournil sait refaire")
        .arg(name);
}

KeptCalculation keptCalculation(const Window& w) {
    KeptCalculation kept{w.TypeCalcul, w.UniteMasse, w.UniteH1,    w.UniteH2,
                         {},           w.recipe(),   w.baseTerms()};
    for (const TextBox* box : typedBoxes(w)) {
        if (box->reachable()) {
            kept.texts.emplace_back(box->displayName(), box->text());
        }
    }
    return kept;
}

QByteArray calculationBytes(const KeptCalculation& kept) {
    QJsonArray texts;
    for (const auto& [box, text] : kept.texts) {
        texts.append(QJsonObject{{QStringLiteral("case"), box}, {QStringLiteral("texte"), text}});
    }
    QJsonObject o{{QStringLiteral("format"), format},     {QStringLiteral("version"), version},
                  {QStringLiteral("mode"), kept.mode},    {QStringLiteral("masse"), kept.massUnit},
                  {QStringLiteral("unite1"), kept.unit1}, {QStringLiteral("unite2"), kept.unit2},
                  {QStringLiteral("saisies"), texts}};
    if (const auto& recipe = kept.recipe) {
        o.insert(QStringLiteral("recette"), QJsonObject{{QStringLiteral("pieces"), recipe->pieces},
                                                        {QStringLiteral("sel"), recipe->salt},
                                                        {QStringLiteral("levure"), recipe->yeast}});
    }
    if (const auto& base = kept.base) {
        o.insert(QStringLiteral("base"),
                 QJsonArray::fromStringList(QStringList(base->texts.begin(), base->texts.end())));
    }
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

QByteArray saveCalculation(const Window& w) {
    return calculationBytes(keptCalculation(w));
}

std::optional<KeptCalculation> readCalculation(const QByteArray& saved) {
    return parse(saved);
}

bool canResume(const QByteArray& saved) {
    return parse(saved).has_value();
}

bool resumeCalculation(Window& w, const QByteArray& saved) {
    const std::optional<KeptCalculation> s = parse(saved);
    return s && resumeCalculation(w, *s);
}

bool resumeCalculation(Window& w, const KeptCalculation& kept) {
    if (!validCalculation(kept)) {
        return false;
    }
    const UserEventScope step(w, UserEventScope::Kind::Step);
    userClick(w.optionL(kept.mode));
    userClick(w.optionU(kept.massUnit));
    userClick(w.optionH(kept.unit1));
    userClick(w.optionH(kept.unit2));
    for (const auto& [name, text] : kept.texts) {
        for (TextBox* box : typedBoxes(w)) {
            if (box->displayName() == name) {
                userPaste(*box, text);
            }
        }
    }
    w.setRecipe(kept.recipe);
    w.setBaseTerms(kept.base);
    return true;
}

}  // namespace fournil

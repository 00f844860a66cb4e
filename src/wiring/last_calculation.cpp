#include "wiring/last_calculation.h"

#include "modes/modes.h"
#include "window/user_events.h"
#include "window/window.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

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

struct Saved {
    int mode = 0, massUnit = 0, unit1 = 0, unit2 = 0;
    std::vector<std::pair<QString, QString>> texts;  // box, text
    std::optional<RecipeInputs> recipe;
};

// The recipe, when one was kept and makes sense; a recipe that does not is left out, not the
// calculation.
std::optional<RecipeInputs> recipeOf(const QJsonValue& value) {
    if (!value.isObject()) {
        return std::nullopt;
    }
    const QJsonObject r = value.toObject();
    const RecipeInputs recipe{r.value(u"pieces").toInt(), r.value(u"sel").toDouble(-1),
                              r.value(u"levure").toDouble(-1)};
    const auto percent = [](double p) { return p >= 0 && p <= maximumPercent; };
    if (recipe.pieces < 1 || recipe.pieces > maximumPieces || !percent(recipe.salt) ||
        !percent(recipe.yeast)) {
        return std::nullopt;
    }
    return recipe;
}

std::optional<Saved> parse(const QByteArray& bytes) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        return std::nullopt;
    }
    const QJsonObject o = document.object();
    if (o.value(u"format").toString() != format || o.value(u"version").toInt() != version) {
        return std::nullopt;
    }
    Saved s{o.value(u"mode").toInt(),
            o.value(u"masse").toInt(),
            o.value(u"unite1").toInt(),
            o.value(u"unite2").toInt(),
            {},
            std::nullopt};
    if (findModeRow(s.mode) == nullptr || s.massUnit < 1 || s.massUnit > 3 || s.unit1 < 1 ||
        s.unit1 > 4 || s.unit2 < 5 || s.unit2 > 8 || !o.value(u"saisies").isArray()) {
        return std::nullopt;
    }
    static const QStringList names = {
        QStringLiteral("Q1"), QStringLiteral("H1"),  QStringLiteral("H1d"),  QStringLiteral("Q2"),
        QStringLiteral("H2"), QStringLiteral("H2d"), QStringLiteral("EF(2)")};
    for (const QJsonValue& entry : o.value(u"saisies").toArray()) {
        const QJsonObject e = entry.toObject();
        const QString box = e.value(u"case").toString(), text = e.value(u"texte").toString();
        const bool known = names.contains(box);
        if (!known || !e.value(u"texte").isString() || text.size() > longestText) {
            return std::nullopt;
        }
        s.texts.emplace_back(box, text);
    }
    s.recipe = recipeOf(o.value(u"recette"));
    return s;
}

}  // namespace

QByteArray saveCalculation(const Window& w) {
    QJsonArray texts;
    for (const TextBox* box : typedBoxes(w)) {
        if (box->reachable()) {
            texts.append(QJsonObject{{QStringLiteral("case"), box->displayName()},
                                     {QStringLiteral("texte"), box->text()}});
        }
    }
    QJsonObject o{{QStringLiteral("format"), format},     {QStringLiteral("version"), version},
                  {QStringLiteral("mode"), w.TypeCalcul}, {QStringLiteral("masse"), w.UniteMasse},
                  {QStringLiteral("unite1"), w.UniteH1},  {QStringLiteral("unite2"), w.UniteH2},
                  {QStringLiteral("saisies"), texts}};
    if (const auto& recipe = w.recipe()) {
        o.insert(QStringLiteral("recette"), QJsonObject{{QStringLiteral("pieces"), recipe->pieces},
                                                        {QStringLiteral("sel"), recipe->salt},
                                                        {QStringLiteral("levure"), recipe->yeast}});
    }
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

bool canResume(const QByteArray& saved) {
    return parse(saved).has_value();
}

bool resumeCalculation(Window& w, const QByteArray& saved) {
    const std::optional<Saved> s = parse(saved);
    if (!s) {
        return false;
    }
    const UserEventScope step(w, UserEventScope::Kind::Command);
    userClick(w.optionL(s->mode));
    userClick(w.optionU(s->massUnit));
    userClick(w.optionH(s->unit1));
    userClick(w.optionH(s->unit2));
    for (const auto& [name, text] : s->texts) {
        for (TextBox* box : typedBoxes(w)) {
            if (box->displayName() == name) {
                userPaste(*box, text);
            }
        }
    }
    w.setRecipe(s->recipe);
    return true;
}

}  // namespace fournil

#include "calc/json.h"

#include "engine/recipe.h"
#include "guidance/base_text.h"
#include "guidance/calculation_text.h"
#include "guidance/recipe_text.h"

#include <charconv>
#include <cmath>
#include <utility>

namespace fournil::calc {
namespace {

using Members = std::vector<std::pair<const char*, QString>>;

QString jsonString(const QString& text) {
    QString out = QStringLiteral("\"");
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'"' || u == u'\\') {
            out += u'\\';
            out += c;
        } else if (u == u'\n' || u == u'\r' || u == u'\t') {
            out += u'\\';
            out += u == u'\n' ? u'n' : u == u'\r' ? u'r' : u't';
        } else if (u < 0x20) {
            out += QStringLiteral("\\u%1").arg(int(u), 4, 16, QChar(u'0'));
        } else {
            out += c;
        }
    }
    return out + u'"';
}

QString jsonNumber(std::optional<double> value) {
    if (!value || !std::isfinite(*value)) {
        return QStringLiteral("null");
    }
    if (*value == 0) {
        return QStringLiteral("0");  // never "-0"
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, *value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

QString jsonBool(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString jsonTextOrNull(const QString& text) {
    return text.isEmpty() ? QStringLiteral("null") : jsonString(text);
}

QString jsonObject(const Members& members) {
    QStringList parts;
    for (const auto& [key, value] : members) {
        parts << jsonString(QString::fromLatin1(key)) + QStringLiteral(": ") + value;
    }
    return u'{' + parts.join(QStringLiteral(", ")) + u'}';
}

QString jsonArray(const QStringList& items) {
    return u'[' + items.join(QStringLiteral(", ")) + u']';
}

QString jsonAnswerNumber(const AnswerNumber& n) {
    return jsonObject({{"texte", jsonString(n.text.simplified())},
                       {"nombre", jsonNumber(n.number)},
                       {"unite", jsonTextOrNull(n.unit.simplified())}});
}

QString boxJson(const NamedBox& b, const AnswerEntry& e) {
    Members members = {
        {"nom", jsonString(b.name)},
        {"case", jsonString(b.boxName)},
        {"libelle", jsonString(e.what.isEmpty() || isDenominator(b.box) ? b.meaning : e.what)},
        {"texte", jsonString(withoutMinusZero(e.text))},
        {"nombre", jsonNumber(e.number)},
        {"unite", jsonTextOrNull(e.unitShown ? e.unit.simplified() : QString())},
        {"resultat", jsonBool(e.computed)},
    };
    if (!e.unitName.isEmpty()) {
        members.emplace_back("unite_saisie", jsonString(e.unitName));
    }
    if (e.fraction) {
        members.emplace_back("fraction_eau", jsonNumber(double(*e.fraction)));
    }
    return jsonObject(members);
}

QString boxesJson(const Answer& a) {
    QStringList entries;
    if (findModeRow(a.mode) == nullptr) {
        return jsonArray(entries);
    }
    for (const NamedBox& b : namedBoxes(Mode(a.mode))) {
        const AnswerEntry& e = a[b.box];
        // A result of a calculation that could not be done is no answer.
        if (e.shown && !(a.fault && e.computed)) {
            entries << boxJson(b, e);
        }
    }
    return jsonArray(entries);
}

QString correctionJson(const Answer& a) {
    if (!a.correction || a.fault) {
        return QStringLiteral("null");
    }
    const AnswerCorrection& c = *a.correction;
    return jsonObject({{"titre", jsonString(c.heading)},
                       {"levain", jsonAnswerNumber(c.levain)},
                       {"hydratation_levain", jsonAnswerNumber(c.hydration)},
                       {"farine", jsonAnswerNumber(c.flour)},
                       {"eau", jsonAnswerNumber(c.water)}});
}

QString recipeJson(const Window& w) {
    const auto table = recipeTable(w);
    if (!table) {
        return QStringLiteral("null");
    }
    QStringList rows;
    for (const RecipeRow& row : table->rows) {
        rows << jsonObject({{"ingredient", jsonString(ingredientName(row.ingredient))},
                            {"dans_le_levain", jsonBool(row.part())},
                            {"texte", jsonString(row.massText)},
                            {"masse", jsonNumber(row.mass)},
                            {"pourcentage", jsonNumber(row.percent)}});
    }
    return jsonObject({{"pieces", QString::number(table->pieces)},
                       {"poids_piece", jsonNumber(table->pieceWeight)},
                       {"unite", jsonString(table->unit)},
                       {"ingredients", jsonArray(rows)},
                       {"total", jsonNumber(table->total)},
                       {"hydratation_pate", jsonNumber(table->hydration[0])},
                       {"hydratation_farine", jsonNumber(table->hydration[1])},
                       {"texte", jsonString(piecesPhrase(*table))}});
}

QString repairsJson(const std::vector<Repair>& repairs) {
    QStringList repaired;
    for (const Repair& r : repairs) {
        repaired << jsonObject({{"case", jsonString(r.box)},
                                {"tape", jsonString(r.typed)},
                                {"garde", jsonString(r.kept)}});
    }
    return jsonArray(repaired);
}

QString baseJson(const std::optional<BaseTemperature>& base, const QLocale& locale) {
    if (!base) {
        return QStringLiteral("null");
    }
    const auto term = [&](BaseField f) { return jsonNumber(base->terms[std::size_t(f)]); };
    return jsonObject({{"base", term(BaseField::Base)},
                       {"farine", term(BaseField::Flour)},
                       {"fournil", term(BaseField::Bakehouse)},
                       {"levain", term(BaseField::Levain)},
                       {"eau", jsonNumber(base->water)},
                       {"texte", jsonString(baseTemperatureLine(*base, locale))}});
}

}  // namespace

QString answerJson(const Window& w, const std::vector<Repair>& repairs) {
    const Answer& a = w.answer;
    const QString units = jsonObject({{"masse", jsonString(massUnitShown(w))},
                                      {"hydratation1", jsonTextOrNull(hydrationUnitShown(w, 1))},
                                      {"hydratation2", jsonTextOrNull(hydrationUnitShown(w, 2))}});
    const bool known = findModeRow(a.mode) != nullptr;
    const QString text = jsonString(calculationText(w));
    return jsonObject({
               {"mode", QString::number(a.mode)},
               {"calcul", jsonString(known ? w.optionL(a.mode).caption() : QString())},
               {"unites", units},
               {"cases", boxesJson(a)},
               {"fractions_eau", jsonObject({{"FracEau1", jsonNumber(double(w.FracEau1))},
                                             {"FracEau2", jsonNumber(double(w.FracEau2))}})},
               {"correction", correctionJson(a)},
               {"recette", recipeJson(w)},
               {"temperature_de_base", baseJson(baseInUse(w), w.locale())},
               {"phrase", jsonTextOrNull(a.fault ? QString() : a.closing.simplified())},
               {"texte", text},
               {"erreur", a.fault ? text : QStringLiteral("null")},
               {"reparations", repairsJson(repairs)},
           }) +
           u'\n';
}

QString refusalJson(const QString& why) {
    return jsonObject({{"erreur", jsonString(why)}}) + u'\n';
}

}  // namespace fournil::calc

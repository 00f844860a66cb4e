#include "calc/formats.h"

#include "calc/csv.h"
#include "calc/json.h"
#include "engine/numbers.h"
#include "engine/recipe.h"
#include "guidance/calculation_text.h"

#include <array>
#include <optional>

namespace fournil::calc {
namespace {

// What every column reads: the answer, and the recipe's table made from it once.
struct Source {
    const Window& w;
    const Answer& a;
    std::optional<RecipeTable> table;
};

struct Column {
    const char* name;
    QString (*value)(const Source&);
};

template <AnswerBox B>
QString shown(const Source& s) {
    return s.a[B].shown && !(s.a.fault && s.a[B].computed) ? s.a[B].text : QString();
}

template <float Window::*F>
QString fraction(const Source& s) {
    return unroundedText(double(s.w.*F), s.w.locale());
}

template <AnswerNumber AnswerCorrection::*N>
QString correction(const Source& s) {
    return s.a.correction && !s.a.fault ? ((*s.a.correction).*N).text.simplified() : QString();
}

template <Ingredient I>
QString recipeMass(const Source& s) {
    const RecipeRow* row = s.table ? s.table->find(I) : nullptr;
    return row != nullptr ? row->massText : QString();
}

// clang-format off
constexpr std::array columns = std::to_array<Column>({
    {"Q1", shown<AnswerBox::Q1>},
    {"H1", shown<AnswerBox::H1>},
    {"H1d", shown<AnswerBox::H1d>},
    {"Q2", shown<AnswerBox::Q2>},
    {"H2", shown<AnswerBox::H2>},
    {"H2d", shown<AnswerBox::H2d>},
    {"EF1", shown<AnswerBox::EF1>},
    {"EF1_libelle", [](const Source& s) {
         return s.a[AnswerBox::EF1].shown && !s.a.fault ? s.a[AnswerBox::EF1].what : QString(); }},
    {"EF2", shown<AnswerBox::EF2>},
    {"FracEau1", fraction<&Window::FracEau1>},
    {"FracEau2", fraction<&Window::FracEau2>},
    {"correction_levain", correction<&AnswerCorrection::levain>},
    {"correction_farine", correction<&AnswerCorrection::flour>},
    {"correction_eau", correction<&AnswerCorrection::water>},
    {"recette_pieces", [](const Source& s) {
         return s.table ? QString::number(s.table->pieces) : QString(); }},
    {"recette_poids", [](const Source& s) { return s.table ? s.table->pieceWeightText : QString(); }},
    {"recette_farine", recipeMass<Ingredient::Flour>},
    {"recette_eau", recipeMass<Ingredient::Water>},
    {"recette_levain", recipeMass<Ingredient::Levain>},
    {"recette_sel", recipeMass<Ingredient::Salt>},
    {"recette_levure", recipeMass<Ingredient::Yeast>},
    {"recette_total", [](const Source& s) { return s.table ? s.table->totalText : QString(); }},
    {"recette_hydratation_farine", [](const Source& s) {
         return s.table ? s.table->hydrationTexts[1] : QString(); }},
    {"erreur", [](const Source& s) { return s.a.fault ? calculationText(s.w) : QString(); }},
});
// clang-format on

QString csvHeader(const QStringList& inputColumns) {
    return csvRecord(inputColumns + answerColumns());
}

QString csvAnswer(const QStringList& cells, const Window& w, const std::vector<Repair>&) {
    return csvRecord(cells + answerValues(w));
}

QString csvRefused(const QStringList& cells, const QString& why) {
    // Every answer's column empty but the last, the error's.
    QStringList values(qsizetype(columns.size()) - 1);
    return csvRecord(cells + values + QStringList{why});
}

// clang-format off
const auto formatTable = std::to_array<Format>({
    {u"texte",
     [](const QStringList&) { return QString(); },
     [](const QStringList&, const Window& w, const std::vector<Repair>&) {
         return calculationText(w) + u'\n'; },
     [](const QStringList&, const QString& why) { return why + u'\n'; },
     u"\n"},
    {u"json",
     [](const QStringList&) { return QString(); },
     [](const QStringList&, const Window& w, const std::vector<Repair>& repairs) {
         return answerJson(w, repairs); },
     [](const QStringList&, const QString& why) { return refusalJson(why); }},
    {u"csv", csvHeader, csvAnswer, csvRefused},
});
// clang-format on

}  // namespace

QStringList answerColumns() {
    QStringList names;
    for (const Column& c : columns) {
        names << QString::fromLatin1(c.name);
    }
    return names;
}

QStringList answerValues(const Window& w) {
    const Source source{w, w.answer, recipeTable(w)};
    QStringList values;
    for (const Column& c : columns) {
        values << c.value(source);
    }
    return values;
}

std::span<const Format> formats() {
    return formatTable;
}

const Format& formatNamed(QStringView word) {
    QStringList names;
    for (const Format& f : formatTable) {
        if (word == QStringView(f.name)) {
            return f;
        }
        names << QString::fromUtf16(f.name);
    }
    throw UsageError(
        QStringLiteral("format inconnu « %1 » ; les formats sont : %2").arg(word, joined(names)));
}

const Format& textFormat() {
    return formatTable[0];
}

const Format& csvFormat() {
    return formatTable[2];
}

}  // namespace fournil::calc

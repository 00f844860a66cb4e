#include "calc/formats.h"

#include "calc/csv.h"
#include "calc/json.h"
#include "engine/numbers.h"
#include "engine/recipe.h"
#include "guidance/base_text.h"
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

template <float WindowValues::*F>
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

QString csvHeader(const QStringList& inputColumns, bool repairs) {
    return csvRecord(inputColumns + answerColumns(repairs));
}

QString csvWrite(const Answered& a, bool repairs) {
    if (a.window != nullptr) {
        return csvRecord(a.cells + answerValues(*a.window, repairs ? &a.repairs : nullptr));
    }
    // Every answer's column empty but the last, the error's.
    QStringList values(answerColumns(repairs).size() - 1);
    return csvRecord(a.cells + values + QStringList{a.why});
}

// A batch's repairs follow each answer, as the other formats carry them in a field; a single
// calculation says them on the error output instead.
QString textWrite(const Answered& a, bool repairs) {
    if (a.window == nullptr) {
        return a.why + u'\n';
    }
    QString text = calculationText(*a.window) + u'\n';
    for (const Repair& r : repairs ? a.repairs : std::vector<Repair>()) {
        text += QStringLiteral("réparé : ") + r.line() + u'\n';
    }
    return text;
}

QString jsonWrite(const Answered& a, bool) {
    return a.window != nullptr ? answerJson(*a.window, a.repairs) : refusalJson(a.why);
}

QString noHeader(const QStringList&, bool) {
    return {};
}

const auto formatTable = std::to_array<Format>({
    {u"texte", noHeader, textWrite, u"\n"},
    {u"json", noHeader, jsonWrite},
    {u"csv", csvHeader, csvWrite},
});

QString repairsText(const std::vector<Repair>& repairs) {
    QStringList lines;
    for (const Repair& r : repairs) {
        lines << r.line();
    }
    return lines.join(QStringLiteral(" ; "));
}

}  // namespace

QStringList answerColumns(bool repairs) {
    QStringList names;
    for (const Column& c : columns) {
        names << QString::fromLatin1(c.name);
    }
    if (repairs) {
        names.insert(names.size() - 1, QStringLiteral("reparations"));
    }
    return names;
}

QStringList baseCells(const Window& w) {
    const auto base = baseInUse(w);
    QStringList cells;
    for (BaseField f : baseFields) {
        const auto term = base ? base->terms[std::size_t(f)] : std::nullopt;
        cells << (term ? w.locale().toString(*term) : QString());
    }
    return cells;
}

QStringList answerValues(const Window& w, const std::vector<Repair>* repairs) {
    const Source source{w, w.answer, recipeTable(w)};
    QStringList values;
    for (const Column& c : columns) {
        values << withoutMinusZero(c.value(source));
    }
    if (repairs != nullptr) {
        values.insert(values.size() - 1, repairsText(*repairs));
    }
    return values;
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

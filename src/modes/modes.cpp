#include "modes/modes.h"

#include <algorithm>

namespace fournil {
namespace {

TextBox& q1(Window& w) {
    return w.Q1;
}
TextBox& q2(Window& w) {
    return w.Q2;
}
TextBox& h1(Window& w) {
    return w.H1;
}
TextBox& h2(Window& w) {
    return w.H2;
}
TextBox& ef2(Window& w) {
    return w.EF(2);
}

constexpr const char16_t* levainCorrectionHelp =
    u"La quantité de levain necessaire dépend de la température et de la recette. La quantité de "
    u"farine dans le levain peut représenter entre 10% et 50% de la quantité de farine de la "
    u"recette. Les temps de levée seront majorés en conséquence.";

// clang-format off
const auto rows = std::to_array<ModeRow>({
    {.mode = Mode::FlourAndWater,
     .layout = {.phrase2 = u"de pâte hydraté à   ", .phrase3 = u"il faut",
                .phrase4 = u"de farine                   ", .h2Shown = false, .phrase5 = u"et"},
     .names = {.q1 = u"quantité de pâte", .h1 = u"hydratation de la pâte", .q2 = u"farine"},
     .commandNames = {.q1 = u"pate", .h1 = u"hydratation", .q2 = u"farine", .ef1 = u"eau"},
     .givesQ1 = true,
     .zeroesH2 = true,
     .recipe = RecipeShape::FlourAndWater,
     .help = u"Calcule la quantité d'eau et de farine d'une pâte. Par exemple pour connaître la "
             u"proportion d'eau et de farine pour 1.2 Kg de pâte hydratée à 70.",
     .example = {.hydrationUnits = {2, 0}, .inputs = {{{q1, u"1200"}, {h1, u"70"}}},
                 .caretField = q1, .caretPosition = 4}},
    {.mode = Mode::HydratingFlour,
     .layout = {.rowOneQuantity = false, .phrase2 = u"Pour obtenir une pâte hydraté à",
                .phrase3 = u"à partir de", .q2Result = false,
                .phrase4 = u"de farine                   ", .h2Shown = false,
                .phrase5 = u"il faut"},
     .names = {.h1 = u"hydratation de la pâte", .q2 = u"farine"},
     .commandNames = {.h1 = u"hydratation", .q2 = u"farine", .ef1 = u"eau"},
     .zeroesH2 = true,
     .correction = CorrectionKind::DoughSentence,
     .help = u"A partir d'une quantité de farine, calcule la quantité d'eau nécessaire pour "
             u"ajuster l'hydratation d'une pâte. Par exemple pour connaître la quantité d'eau à "
             u"ajouter pour 650gr de farine afin d'avoir une pâte hydraté à 65.",
     .q2Help = u"Entrez la quantité de farine",
     .correctionHelp = u"Pour connaître les proportions eau/farine selon l'hydratation pour une "
                       u"quantité déterminée de pâte, prenez la première option: \"proportions "
                       u"eau/farine\"",
     .example = {.hydrationUnits = {2, 0}, .inputs = {{{q2, u"650"}, {h1, u"65"}}},
                 .caretField = q2, .caretPosition = 3}},
    {.mode = Mode::WaterTemperature,
     .layout = {.phrase2 = u"d'eau à", .phrase3 = u"il faut", .phrase4 = u"d'eau chaude à",
                .phrase5 = u"et", .phrase0 = u"d'eau froide à"},
     .names = {.q1 = u"quantité d'eau", .h1 = u"température de l'eau", .q2 = u"eau chaude", .h2 = u"température de l'eau chaude", .ef1 = u"eau froide", .ef2 = u"température de l'eau froide"},
     .commandNames = {.q1 = u"eau", .h1 = u"temperature", .q2 = u"chaude", .h2 = u"temperature-chaude", .ef1 = u"froide", .ef2 = u"temperature-froide"},
     .computation = Computation::WaterTemperature,
     .temperatures = true,
     .correction = CorrectionKind::TemperatureCheck,
     .help = u"Calcule les quantités d'eau chaude et d'eau froide nécessaires à l'obtention "
             u"d'une température d'eau de coulage. Par exemple pour obtenir 32 litres d'eau à "
             u"26° à partir d'eau chaude à 72° et d'eau froide à 13°.",
     .example = {.massUnit = 3,
                 .inputs = {{{q1, u"32"}, {h1, u"26"}, {h2, u"72"}, {ef2, u"13"}}},
                 .caretField = q1, .caretPosition = 2}},
    {.mode = Mode::ChangingLevain,
     .layout = {.rowOneQuantity = false, .phrase2 = u"Pour obtenir un levain hydraté à",
                .phrase3 = u"à partir de", .q2Result = false,
                .phrase4 = u"d'un levain hydraté à", .phrase5 = u"il faut"},
     .names = {.h1 = u"hydratation du levain voulu", .q2 = u"levain", .h2 = u"hydratation du levain"},
     .commandNames = {.h1 = u"hydratation", .q2 = u"levain", .h2 = u"hydratation-levain", .ef1 = u"ajout"},
     .levain = true,
     .correction = CorrectionKind::LevainCorrection,
     .help = u"Calcule la quantité d'eau ou de farine nécessaire pour ajuster l'hydratation d'un "
             u"levain. Par exemple pour connaître la quantité de farine à ajouter avec 1500gr de "
             u"levain liquide (50-50) dans une pâte hydratée à 68 (ou pour l'hydrater à 68).",
     .correctionHelp = levainCorrectionHelp,
     .example = {.hydrationUnits = {2, 5},
                 .inputs = {{{q2, u"1500"}, {h1, u"68"}, {h2, u"50"}}},
                 .caretField = q2, .caretPosition = 4}},
    {.mode = Mode::LevainForLevain,
     .layout = {.phrase2 = u"de levain hydraté à", .phrase3 = u"il faut",
                .phrase4 = u"de levain hydraté à", .phrase5 = u"et"},
     .names = {.q1 = u"quantité de levain voulu", .h1 = u"hydratation du levain voulu", .q2 = u"levain", .h2 = u"hydratation du levain"},
     .commandNames = {.q1 = u"levain-voulu", .h1 = u"hydratation", .q2 = u"levain", .h2 = u"hydratation-levain", .ef1 = u"ajout"},
     .givesQ1 = true,
     .levain = true,
     .correction = CorrectionKind::LevainCorrection,
     .levainIsQ1 = true,
     .help = u"Calcule la quantité d'eau ou de farine nécessaire pour obtenir un levain à partir "
             u"d'un levain d'hydratation différente. Par exemple pour adapter une recette qui "
             u"nécessite 3500gr de levain dur (66) avec un levain liquide(50-50).",
     .correctionHelp = levainCorrectionHelp,
     .example = {.hydrationUnits = {2, 5},
                 .inputs = {{{q1, u"3500"}, {h1, u"66"}, {h2, u"50"}}},
                 .caretField = q1, .caretPosition = 4}},
    {.mode = Mode::DoughWithLevain,
     .layout = {.phrase2 = u"de pâte hydraté à   ", .phrase3 = u"avec", .q2Result = false,
                .phrase4 = u"de levain hydraté à  ", .phrase5 = u"il faut", .phrase0 = u"et  "},
     .names = {.q1 = u"quantité de pâte", .h1 = u"hydratation de la pâte", .q2 = u"levain", .h2 = u"hydratation du levain", .ef1 = u"farine", .ef2 = u"eau"},
     .commandNames = {.q1 = u"pate", .h1 = u"hydratation", .q2 = u"levain", .h2 = u"hydratation-levain", .ef1 = u"farine", .ef2 = u"eau"},
     .computation = Computation::DoughWithLevain,
     .levain = true,
     .waterIsEF2 = true,
     .correction = CorrectionKind::QuantityCheck,
     .recipe = RecipeShape::WithLevain,
     .help = u"Calcule la quantité d'eau et de farine d'une pâte au levain: par exemple pour "
             u"connaître la proportion d'eau et de farine pour 1.2 Kg de pâte hydratée à 70 "
             u"contenant 150gr de levain hydraté à 100.",
     .example = {.hydrationUnits = {2, 6},
                 .inputs = {{{q1, u"1200"}, {h1, u"70"}, {q2, u"150"}, {h2, u"100"}}},
                 .caretField = q1, .caretPosition = 4}},
});
// clang-format on
static_assert(rows.size() <= modeCapacity);

}  // namespace

std::span<const ModeRow> modeRows() {
    return rows;
}

const ModeRow& modeRow(Mode mode) {
    return *findModeRow(int(mode));
}

const ModeRow* findModeRow(int index) {
    for (const ModeRow& row : rows) {
        if (int(row.mode) == index) {
            return &row;
        }
    }
    return nullptr;
}

bool SelectedModes::has(Mode mode) const {
    return std::any_of(rows_.begin(), rows_.begin() + count_,
                       [mode](const ModeRow* row) { return row->mode == mode; });
}

bool SelectedModes::any(bool ModeRow::*flag) const {
    return std::any_of(rows_.begin(), rows_.begin() + count_,
                       [flag](const ModeRow* row) { return row->*flag; });
}

Computation SelectedModes::computation() const {
    Computation kind = Computation::Balance;
    for (int i = 0; i < count_; ++i) {
        kind = std::max(kind, rows_[std::size_t(i)]->computation);
    }
    return kind;
}

CorrectionKind SelectedModes::correction() const {
    CorrectionKind kind = CorrectionKind::LevainCorrection;
    for (int i = 0; i < count_; ++i) {
        kind = std::max(kind, rows_[std::size_t(i)]->correction);
    }
    return kind;
}

SelectedModes selectedModes(const Window& w) {
    SelectedModes selected;
    for (const ModeRow& row : rows) {
        if (w.optionL(int(row.mode)).selected()) {
            selected.rows_[std::size_t(selected.count_++)] = &row;
        }
    }
    return selected;
}

}  // namespace fournil

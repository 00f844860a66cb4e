#include "engine/answer.h"
#include "window/window.h"

#include "engine/reading.h"
#include "modes/modes.h"
#include "window/vocabulary.h"

namespace fournil {
namespace {

QString text(const char16_t* t) {
    return t != nullptr ? QString::fromUtf16(t) : QString();
}

// The caption as one line; most are one already and are shared rather than copied, as every
// answer of a batch reads a dozen of them.
QString simplified(const QString& caption) {
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const bool single =
            caption[i] == u' ' && i > 0 && i + 1 < caption.size() && !caption[i + 1].isSpace();
        if (caption[i].isSpace() && !single) {
            return caption.simplified();
        }
    }
    return caption;
}

QString shownCaption(const Captioned& label) {
    return label.visible() ? simplified(label.caption()) : QString();
}

AnswerPiece words(const Captioned& label) {
    return {shownCaption(label), std::nullopt};
}

AnswerPiece box(AnswerBox b) {
    return {{}, b};
}

// The unit a hydration is typed in: the selected button of its group, or degrees in mode 3.
QString hydrationUnit(const Window& w, HydrationGroup group, bool temperatures) {
    if (temperatures) {
        return QStringLiteral("°C");
    }
    for (auto unit : {HydrationUnit::PercentOfDough, HydrationUnit::PercentOfFlour,
                      HydrationUnit::FractionOfDough, HydrationUnit::FractionOfFlour}) {
        if (const OptionButton& button = hydrationButton(w, group, unit); button.selected()) {
            return button.caption();
        }
    }
    return {};
}

void fill(const Window& w, AnswerEntry& entry, const TextBox& field, const QString& what,
          const Captioned& unit) {
    entry.box = &field;
    entry.shown = field.visible();
    entry.computed = !field.enabled();
    entry.what = what;
    entry.text = field.text();
    entry.number = readNumber(w, field);
    entry.unit = unit.caption();
    entry.unitShown = unit.visible();
}

void fillHydration(const Window& w, AnswerEntry& entry, const TextBox& field,
                   const TextBox& denominator, const QString& what, const Captioned& unit,
                   HydrationGroup group, float fraction, bool temperatures) {
    fill(w, entry, field, what, unit);
    entry.unitName = hydrationUnit(w, group, temperatures);
    entry.denominator = denominator.visible() ? denominator.text() : QString();
    entry.fraction = temperatures ? std::nullopt : std::optional<float>(fraction);
}

}  // namespace

void recordAnswer(Window& w) {
    w.answerAboutToChange();
    Answer& a = w.answer;
    const ModeRow* row = selectedModes(w).first();
    const bool temperatures = row != nullptr && row->temperatures;
    const BoxNames names = row != nullptr ? row->names : BoxNames{};
    a.mode = row != nullptr ? int(row->mode) : 0;

    const QString added = a.addsFlour ? QStringLiteral("farine") : QStringLiteral("eau");
    using enum AnswerBox;
    fill(w, a[Q1], w.Q1, text(names.q1), w.gr(1));
    fill(w, a[Q2], w.Q2, text(names.q2), w.gr(2));
    fill(w, a[EF1], w.EF(1), names.ef1 != nullptr ? text(names.ef1) : added, w.gr(3));
    fill(w, a[EF2], w.EF(2), text(names.ef2), w.gr(0));
    fillHydration(w, a[H1], w.H1, w.H1d, text(names.h1), w.pourcent2, HydrationGroup::First,
                  w.FracEau1, temperatures);
    fillHydration(w, a[H2], w.H2, w.H2d, text(names.h2), w.pourcent1, HydrationGroup::Second,
                  w.FracEau2, temperatures);
    fill(w, a[H1d], w.H1d, a[H1].what, w.pourcent2);
    fill(w, a[H2d], w.H2d, a[H2].what, w.pourcent1);

    a.rows = {
        {words(w.Phrase(1)), box(Q1), words(w.Phrase(2)), box(H1)},
        {words(w.Phrase(3)), box(Q2), words(w.Phrase(4)), box(H2)},
        {words(w.Phrase(5)), box(EF1), words(w.EFLabel(1)), words(w.Phrase(0)), box(EF2),
         words(w.EFLabel(2))},
    };
    if (a.correction) {
        a.correction->levain.unit = w.gr(6).caption();
        a.correction->flour.unit = w.gr(4).caption();
        a.correction->water.unit = w.gr(5).caption();
    }
    w.notify(w.Fournil, Property::Answer);
}

}  // namespace fournil

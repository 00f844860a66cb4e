#include "guidance/accessibility.h"

#include "guidance/calculation_text.h"

namespace fournil {
namespace {

QString withUnit(const QString& what, const QString& unit) {
    return unit.isEmpty() ? what : what + QStringLiteral(", ") + unit;
}

// What the box holds in the mode and the unit it is in, as the last answer says.
QString boxName(const Window& w, const TextBox& box) {
    const Answer& a = w.answer;
    if (a.mode == 0) {
        return {};
    }
    for (AnswerBox b : {AnswerBox::H1d, AnswerBox::H2d}) {
        if (a[b].box == &box) {
            return QStringLiteral("dénominateur, ") + a[b].what;
        }
    }
    for (AnswerBox b : {AnswerBox::H1, AnswerBox::H2}) {
        if (a[b].box == &box) {
            return withUnit(a[b].what, a[b].unitName);
        }
    }
    for (const AnswerEntry& entry : a.boxes) {
        if (entry.box == &box) {
            return withUnit(entry.what, entry.unit);
        }
    }
    return {};
}

// A frame says what its buttons choose; a frame of hydration units, whose hydration it is.
QString frameName(const Window& w, const Control& frame) {
    if (&frame == &w.Pâte) {
        return QStringLiteral("calcul sur une pâte");
    }
    if (&frame == &w.Levain) {
        return QStringLiteral("calcul sur un levain");
    }
    if (&frame == &w.Unités) {
        return QStringLiteral("unité de masse");
    }
    const AnswerEntry& hydration =
        w.answer[&frame == &w.Hydratation(1) ? AnswerBox::H1 : AnswerBox::H2];
    if (hydration.what.startsWith(QStringLiteral("hydratation"))) {
        return QStringLiteral("unité de l'") + hydration.what;
    }
    return QStringLiteral("unité d'hydratation");
}

}  // namespace

QString accessibleName(const Window& w, const Control& control) {
    if (&control == &w.Image1) {
        return QStringLiteral("Logo de Fournil");
    }
    if (control.kind() == Kind::Frame) {
        return frameName(w, control);
    }
    if (control.kind() == Kind::TextBox) {
        return boxName(w, static_cast<const TextBox&>(control));
    }
    if (&control == &w.Phrase(6)) {
        return levainCorrectionLine(w);
    }
    if (const auto* captioned = dynamic_cast<const Captioned*>(&control)) {
        return captioned->caption().trimmed();
    }
    return {};
}

QString applyWaits() {
    return QStringLiteral("« Appliquer » attend une valeur correcte dans chaque champ.");
}

QString copiedAnnouncement(const QString& selection) {
    return selection.isEmpty() ? QStringLiteral("Calcul copié")
                               : QStringLiteral("« %1 » copié").arg(selection);
}

QString newCalculationAnnouncement(const Window& w) {
    return QStringLiteral("Nouveau calcul. ") + (w.spokenAnswer ? w.spokenAnswer() : QString());
}

bool readWithItsLine(const Window& w, const Control& control) {
    return &control == &w.X(1) || &control == &w.gr(6) || &control == &w.X(2);
}

}  // namespace fournil

#include "guidance/accessibility.h"

#include "guidance/calculation_text.h"
#include "modes/modes.h"

namespace fournil {
namespace {

QString text(const char16_t* t) {
    return t != nullptr ? QString::fromUtf16(t) : QString();
}

// The unit of a hydration: the caption of its group's selected unit, or degrees in mode 3.
QString hydrationUnit(const Window& w, int first, bool temperatures) {
    if (temperatures) {
        return QStringLiteral("°C");
    }
    for (int i = first; i < first + 4; ++i) {
        if (w.optionH(i).selected()) {
            return w.optionH(i).caption();
        }
    }
    return {};
}

// "de farine" names flour, "d'eau" water.
QString ingredient(const QString& words) {
    QString name = words.trimmed();
    for (const QString& prefix : {QStringLiteral("de "), QStringLiteral("d'")}) {
        if (name.startsWith(prefix)) {
            return name.mid(prefix.size());
        }
    }
    return name;
}

QString withUnit(const QString& what, const QString& unit) {
    return unit.isEmpty() ? what : what + QStringLiteral(", ") + unit;
}

QString boxName(const Window& w, const TextBox& box) {
    const ModeRow* mode = selectedModes(w).first();
    if (mode == nullptr) {
        return {};
    }
    const BoxNames& n = mode->names;
    const bool temperatures = mode->temperatures;
    if (&box == &w.Q1) {
        return withUnit(text(n.q1), w.gr(1).caption());
    }
    if (&box == &w.Q2) {
        return withUnit(text(n.q2), w.gr(2).caption());
    }
    if (&box == &w.H1) {
        return withUnit(text(n.h1), hydrationUnit(w, 1, temperatures));
    }
    if (&box == &w.H2) {
        return withUnit(text(n.h2), hydrationUnit(w, 5, temperatures));
    }
    if (&box == &w.H1d) {
        return QStringLiteral("dénominateur, ") + text(n.h1);
    }
    if (&box == &w.H2d) {
        return QStringLiteral("dénominateur, ") + text(n.h2);
    }
    if (&box == &w.EF(1)) {
        const QString what = n.ef1 != nullptr ? text(n.ef1) : ingredient(w.EFLabel(1).caption());
        return withUnit(what, w.gr(3).caption());
    }
    return withUnit(text(n.ef2), w.gr(0).caption());
}

}  // namespace

QString accessibleName(const Window& w, const Control& control) {
    if (&control == &w.Image1) {
        return QStringLiteral("Logo de Fournil");
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

bool readWithItsLine(const Window& w, const Control& control) {
    return &control == &w.X(1) || &control == &w.gr(6) || &control == &w.X(2);
}

}  // namespace fournil

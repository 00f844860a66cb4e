#include "guidance/calculation_text.h"

#include "engine/numbers.h"
#include "modes/modes.h"

#include <cmath>

namespace fournil {
namespace {

const QString impossible = QStringLiteral("Calcul impossible avec ces valeurs");

QString shown(const Control& c) {
    if (!c.visible()) {
        return {};
    }
    if (c.kind() == Kind::TextBox) {
        return static_cast<const TextBox&>(c).text().trimmed();
    }
    return static_cast<const Captioned&>(c).caption().simplified();
}

// Words joined by single blanks, the empty ones left out.
QString line(std::initializer_list<QString> words) {
    QStringList kept;
    for (const QString& word : words) {
        if (!word.isEmpty()) {
            kept << word;
        }
    }
    return kept.join(u' ');
}

// A hydration typed as a fraction reads "2/5".
QString hydration(const TextBox& field, const TextBox& denominator) {
    const QString typed = shown(field);
    return denominator.visible() && !typed.isEmpty() ? typed + u'/' + shown(denominator) : typed;
}

// A number as the window writes its unrounded results (the locale's separator, no trailing
// zeros), once rounded to the digits asked for; a dash where it is not finite.
QString number(const Window& w, double value, int digits, bool significant) {
    if (!std::isfinite(value)) {
        return QStringLiteral("—");
    }
    if (significant && value != 0) {
        digits -= 1 + int(std::floor(std::log10(std::abs(value))));
    }
    const double scale = std::pow(10.0, digits);
    return unroundedText(std::round(value * scale) / scale, w.locale());
}

// The correction lines: the heading, the levain's line with its numbers in the blanks left for
// them, then the flour and the water to take out.
QStringList correctionLines(const Window& w) {
    QStringList lines;
    lines << line({shown(w.Phrase(10)), shown(w.Phrase(11))});
    lines << levainCorrectionLine(w);
    lines << line({shown(w.Phrase(9)), shown(w.X(3)), shown(w.gr(4)), shown(w.Phrase(7))});
    lines << line({shown(w.X(4)), shown(w.gr(5)), shown(w.Phrase(8))});
    lines.removeAll(QString());
    return lines;
}

}  // namespace

QString levainCorrectionLine(const Window& w) {
    const QString sentence = w.Phrase(6).caption();
    if (sentence.trimmed().isEmpty()) {
        return {};
    }
    QStringList words;
    for (const QString& part : sentence.split(QStringLiteral("  "), Qt::SkipEmptyParts)) {
        words << part.trimmed();
    }
    if (words.size() < 3) {
        return sentence.simplified();
    }
    return line({words[0], shown(w.X(1)), shown(w.gr(6)), words[1], shown(w.X(2))}) + words[2];
}

QString hydrationInFourUnits(const Window& w, float F) {
    const double f = F;
    const double ofFlour = f / (1.0 - f);
    return QStringLiteral("%1 % pâte · %2 % farine · fraction pâte %3 · fraction farine %4")
        .arg(number(w, 100.0 * f, 1, false), number(w, 100.0 * ofFlour, 1, false),
             number(w, f, 3, true), number(w, ofFlour, 3, true));
}

QString hydrationTooltip(const Window& w, const TextBox& box) {
    if ((&box != &w.H1 && &box != &w.H2) || !box.visible() ||
        selectedModes(w).any(&ModeRow::temperatures)) {
        return {};
    }
    return hydrationInFourUnits(w, &box == &w.H1 ? w.FracEau1 : w.FracEau2);
}

QString calculationText(const Window& w) {
    if (w.Phrase(10).caption() == impossible) {
        return impossible;
    }
    QStringList lines;
    lines << line({shown(w.Phrase(1)), shown(w.Q1), shown(w.gr(1)), shown(w.Phrase(2)),
                   hydration(w.H1, w.H1d), shown(w.pourcent2)});
    lines << line({shown(w.Phrase(3)), shown(w.Q2), shown(w.gr(2)), shown(w.Phrase(4)),
                   hydration(w.H2, w.H2d), shown(w.pourcent1)});
    lines << line({shown(w.Phrase(5)), shown(w.EF(1)), shown(w.gr(3)), shown(w.EFLabel(1)),
                   shown(w.Phrase(0)), shown(w.EF(2)), shown(w.gr(0)), shown(w.EFLabel(2))});
    lines << correctionLines(w);
    for (const TextBox* box : {&w.H1, &w.H2}) {
        const QString units = hydrationTooltip(w, *box);
        if (!units.isEmpty()) {
            lines << QStringLiteral("Hydratation : ") + units;
        }
    }
    lines.removeAll(QString());
    return lines.join(u'\n');
}

}  // namespace fournil

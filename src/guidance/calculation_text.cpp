#include "guidance/calculation_text.h"

#include "guidance/base_text.h"
#include "guidance/recipe_text.h"

#include "engine/numbers.h"
#include "modes/modes.h"

#include <algorithm>
#include <cmath>

namespace fournil {
namespace {

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

QString shownText(const AnswerEntry& entry) {
    return entry.shown ? entry.text.trimmed() : QString();
}

QString shownUnit(const AnswerEntry& entry) {
    return entry.unitShown ? entry.unit.simplified() : QString();
}

// A box as the sentence shows it, its unit after it; a hydration typed as a fraction reads "2/5".
QString piece(const Answer& a, const AnswerPiece& p) {
    if (!p.box) {
        return p.words;
    }
    const AnswerEntry& entry = a[*p.box];
    QString shown = shownText(entry);
    if (!entry.denominator.isEmpty() && !shown.isEmpty()) {
        shown += u'/' + entry.denominator.trimmed();
    }
    return line({shown, shownUnit(entry)});
}

QString row(const Answer& a, const std::vector<AnswerPiece>& pieces) {
    QStringList kept;
    for (const AnswerPiece& p : pieces) {
        const QString shown = piece(a, p);
        if (!shown.isEmpty()) {
            kept << shown;
        }
    }
    return kept.join(u' ');
}

QString number(const AnswerNumber& n, bool withUnit) {
    return line({n.text.simplified(), withUnit ? n.unit.simplified() : QString()});
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

// The correction lines: the heading, the levain's line, then the flour and the water to take out.
QStringList correctionLines(const Answer& a) {
    QStringList lines;
    if (!a.correction) {
        lines << a.closing.simplified();
    } else {
        const AnswerCorrection& c = *a.correction;
        lines << line({c.heading, c.note});
        lines << levainCorrectionLine(a);
        lines << line({c.takeOut, number(c.flour, true), c.flourWords});
        lines << line({number(c.water, true), c.waterWords});
    }
    lines.removeAll(QString());
    return lines;
}

}  // namespace

QString levainCorrectionLine(const Answer& a) {
    if (!a.correction || a.fault) {
        return {};
    }
    const AnswerCorrection& c = *a.correction;
    return line({c.levainWords[0], number(c.levain, true), c.levainWords[1],
                 number(c.hydration, false)}) +
           c.levainWords[2];
}

QString answerInWords(const Answer& a) {
    if (a.fault) {
        return QStringLiteral("Calcul impossible avec ces valeurs");
    }
    // The rows that hold a result, then the lower sentence.
    QStringList computed;
    for (const auto& pieces : a.rows) {
        const bool result = std::any_of(pieces.begin(), pieces.end(), [&a](const AnswerPiece& p) {
            return p.box && a[*p.box].computed && a[*p.box].shown;
        });
        if (result) {
            computed << row(a, pieces);
        }
    }
    computed.removeAll(QString());
    QStringList sentences{computed.join(u' ')};
    sentences << correctionLines(a);
    sentences.removeAll(QString());
    // Each line its own sentence, unless it already ends as one goes on (the levain's line ends
    // with a comma, the one that announces the quantities with a colon).
    QString words;
    for (const QString& sentence : sentences) {
        if (!words.isEmpty()) {
            words += words.endsWith(u',') || words.endsWith(u':') || words.endsWith(u'.')
                         ? QStringLiteral(" ")
                         : QStringLiteral(". ");
        }
        words += sentence;
    }
    return words;
}

QString levainCorrectionLine(const Window& w) {
    return levainCorrectionLine(w.answer);
}

QString hydrationInFourUnits(const Window& w, float F) {
    const double f = F;
    const double ofFlour = f / (1.0 - f);
    return QStringLiteral("%1 % pâte · %2 % farine · fraction pâte %3 · fraction farine %4")
        .arg(number(w, 100.0 * f, 1, false), number(w, 100.0 * ofFlour, 1, false),
             number(w, f, 3, true), number(w, ofFlour, 3, true));
}

QString hydrationTooltip(const Window& w, const TextBox& box) {
    const Answer& a = w.answer;
    for (AnswerBox b : {AnswerBox::H1, AnswerBox::H2}) {
        if (a[b].box == &box && a[b].shown && a[b].fraction) {
            return hydrationInFourUnits(w, *a[b].fraction);
        }
    }
    return {};
}

QString calculationText(const Window& w) {
    const Answer& a = w.answer;
    if (a.fault) {
        return QStringLiteral("Calcul impossible avec ces valeurs");
    }
    QStringList lines;
    for (const auto& pieces : a.rows) {
        lines << row(a, pieces);
    }
    lines << correctionLines(a);
    for (const TextBox* box : {&w.H1, &w.H2}) {
        const QString units = hydrationTooltip(w, *box);
        if (!units.isEmpty()) {
            lines << QStringLiteral("Hydratation : ") + units;
        }
    }
    lines.removeAll(QString());
    lines << baseLines(w) << recipeLines(w);
    return lines.join(u'\n');
}

}  // namespace fournil

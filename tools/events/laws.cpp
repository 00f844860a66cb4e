#include "laws.h"

#include "engine/numbers.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace fournil::events {
namespace {

// Beyond this the shown numbers themselves are rounded to 15 digits.
constexpr double largest = 1e9;
constexpr double slack = 1e-6;  // relative
// The water fractions are kept in single precision: each may be off by half a unit in the last
// place, which a large mass multiplies (1 − F of a fraction near 1 loses digits too).
constexpr double fractionError = 1.0 / (1 << 23);

std::optional<double> shown(const Window& w, AnswerBox b) {
    const AnswerEntry& e = w.answer[b];
    const auto v = LectureLocale(e.text, w.locale());
    if (!v || !std::isfinite(*v) || std::abs(*v) > largest) {
        return std::nullopt;
    }
    return v;
}

std::optional<double> shown(const Window& w, const QString& text) {
    const auto v = LectureLocale(text, w.locale());
    return v && std::abs(*v) <= largest ? v : std::nullopt;
}

// The water fraction a hydration means, by the definition of its unit.
std::optional<double> typedFraction(const Window& w, AnswerBox b) {
    const AnswerEntry& e = w.answer[b];
    const auto h = shown(w, e.text);
    if (!h) {
        return std::nullopt;
    }
    std::optional<double> f;
    if (e.unitName == u"% pâte") {
        f = *h / 100;
    } else if (e.unitName == u"% farine") {
        f = *h / (100 + *h);
    } else if (e.unitName == u"fraction pâte" || e.unitName == u"fraction farine") {
        const auto d = shown(w, e.denominator);
        if (!d) {
            return std::nullopt;
        }
        f = e.unitName == u"fraction pâte" ? *h / *d : *h / (*h + *d);
    }
    // Only a hydration a dough can have.
    return f && std::isfinite(*f) && *f >= 0 && *f < 1 ? f : std::nullopt;
}

QString broken(const char* law, double a, double b) {
    return QStringLiteral("%1: %2 against %3")
        .arg(QString::fromLatin1(law))
        .arg(a, 0, 'g', 12)
        .arg(b, 0, 'g', 12);
}

bool near(double a, double b, double tolerance) {
    return std::abs(a - b) <= tolerance + slack * std::max({1.0, std::abs(a), std::abs(b)});
}

}  // namespace

std::optional<QString> brokenLaw(const Window& w) {
    const Answer& a = w.answer;
    if (a.fault || a.mode == 0) {
        return std::nullopt;
    }
    using enum AnswerBox;
    const auto q1 = shown(w, Q1), q2 = shown(w, Q2), ef1 = shown(w, EF1), ef2 = shown(w, EF2);
    const bool numbers = q1 && q2 && ef1;
    // The hydration laws divide by the masses: they need a real dough or levain.
    const bool masses = numbers && *q1 > 1 && *q2 > 1 && *ef1 >= 0;
    switch (a.mode) {
        case 1:
        case 2: {
            // The dough is its flour and its water; the water over the dough is the hydration.
            const auto h = typedFraction(w, H1);
            if (numbers && !near(*q2 + *ef1, *q1, 0)) {
                return broken("flour + water = dough", *q2 + *ef1, *q1);
            }
            if (!masses || !h) {
                return std::nullopt;
            }
            if (!near(*ef1 / *q1, *h, 0.5 / *q1 + fractionError)) {
                return broken("water / dough = hydration", *ef1 / *q1, *h);
            }
            break;
        }
        case 3: {
            // Hot and cold water make the water, at the temperature asked.
            const auto t = shown(w, H1), hot = shown(w, H2), cold = shown(w, EF2);
            if (numbers && !near(*q2 + *ef1, *q1, 1)) {
                return broken("hot + cold = water", *q2 + *ef1, *q1);
            }
            if (!masses || !t || !hot || !cold) {
                return std::nullopt;
            }
            const double mixed = (*q2 * *hot + *ef1 * *cold) / *q1;
            const double tolerance = (std::abs(*hot) + std::abs(*cold) + std::abs(*t)) / *q1;
            if (!near(mixed, *t, tolerance)) {
                return broken("mixed temperature = asked", mixed, *t);
            }
            break;
        }
        case 4:
        case 5: {
            // The levain and what is added make the new levain; what is not added is kept.
            const auto h1 = typedFraction(w, H1), h2 = typedFraction(w, H2);
            if (!masses || !h1 || !h2) {
                return std::nullopt;
            }
            if (!near(*q2 + *ef1, *q1, 0)) {
                return broken("levain + added = new levain", *q2 + *ef1, *q1);
            }
            const bool flourAdded = a[EF1].what == u"farine";
            const double before = flourAdded ? *q2 * *h2 : *q2 * (1 - *h2);
            const double after = flourAdded ? *q1 * *h1 : *q1 * (1 - *h1);
            if (!near(before, after, 1 + (*q1 + *q2) * fractionError)) {
                return broken(flourAdded ? "the water stays" : "the flour stays", before, after);
            }
            if (a.correction) {
                const auto levain = shown(w, a.correction->levain.text),
                           flour = shown(w, a.correction->flour.text),
                           water = shown(w, a.correction->water.text);
                if (levain && flour && water) {
                    if (!near(*flour + *water, *levain, 0)) {
                        return broken("flour + water = levain added", *flour + *water, *levain);
                    }
                    if (!near(*water, *levain * *h1, 0.5 + std::abs(*levain) * fractionError)) {
                        return broken("the levain's water", *water, *levain * *h1);
                    }
                }
            }
            break;
        }
        case 6: {
            // Levain, flour and water make the dough, with the dough's water.
            const auto h1 = typedFraction(w, H1), h2 = typedFraction(w, H2);
            if (numbers && ef2 && !near(*q2 + *ef1 + *ef2, *q1, 0)) {
                return broken("levain + flour + water = dough", *q2 + *ef1 + *ef2, *q1);
            }
            if (!masses || !ef2 || *ef2 < 0 || !h1 || !h2) {
                return std::nullopt;
            }
            if (!near(*q2 * *h2 + *ef2, *q1 * *h1, 0.5 + (*q1 + *q2) * fractionError)) {
                return broken("the dough's water", *q2 * *h2 + *ef2, *q1 * *h1);
            }
            break;
        }
        default:
            break;
    }
    return std::nullopt;
}

bool writesUnplainNumber(const QString& text) {
    static const QRegularExpression exponent(QStringLiteral("\\d[eE][-+]?\\d"));
    static const QRegularExpression notFinite(QStringLiteral("\\b(nan|inf)"),
                                              QRegularExpression::CaseInsensitiveOption);
    return text.contains(exponent) || text.contains(notFinite);
}

std::optional<QString> brokenCopy(const Window& w) {
    const QString& copied = w.clipboard();
    const auto* box = dynamic_cast<const TextBox*>(w.focus());
    if (box != nullptr && box->selectedByUser()) {
        const QString selected =
            box->text().mid(std::min(box->selStart(), box->selAnchor()), box->selLength());
        return copied == selected ? std::nullopt
                                  : std::optional(QStringLiteral("the copy is not the selection"));
    }
    if (writesUnplainNumber(copied)) {
        return QStringLiteral("the copy holds a number that is not plain: ") + copied;
    }
    const Answer& a = w.answer;
    if (a.fault) {
        return copied.contains(u"Calcul impossible")
                   ? std::nullopt
                   : std::optional(QStringLiteral("the copy does not say the fault"));
    }
    QStringList numbers;
    for (const AnswerEntry& e : a.boxes) {
        if (e.shown) {
            numbers << e.text.trimmed();
        }
    }
    if (a.correction) {
        numbers << a.correction->levain.text << a.correction->hydration.text
                << a.correction->flour.text << a.correction->water.text;
    }
    for (const QString& n : numbers) {
        if (!copied.contains(n.simplified())) {
            return QStringLiteral("the copy does not name %1: %2").arg(n, copied);
        }
    }
    return std::nullopt;
}

std::optional<QString> brokenAfter(const Window& w, const UserEvent& event) {
    if (auto law = brokenLaw(w)) {
        return law;
    }
    const bool copy = event.verb == UserEvent::Verb::Key && event.stroke.action != nullptr &&
                      event.stroke.action->id == ActionId::Copy;
    return copy ? brokenCopy(w) : std::nullopt;
}

}  // namespace fournil::events

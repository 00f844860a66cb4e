#include "inputs/base_temperature.h"

#include "engine/numbers.h"

#include <cmath>

namespace fournil {
namespace {

// What a kneading's base and a room's, a flour's or a levain's temperature can be.
constexpr double lowestBase = 0, highestBase = 150;
constexpr double lowestTerm = -20, highestTerm = 60;

}  // namespace

BaseCheck checkBase(const BaseRequest& request, const QLocale& locale) {
    BaseCheck check;
    BaseTemperature t;
    for (BaseField f : baseFields) {
        const QString text = request[f].trimmed();
        if (f == BaseField::Levain && text.isEmpty()) {
            continue;  // a dough without levain
        }
        const bool base = f == BaseField::Base;
        const double low = base ? lowestBase : lowestTerm, high = base ? highestBase : highestTerm;
        const auto value = readEitherMark(text, locale);
        if (!value || !(*value >= low && *value <= high)) {
            check.problems[std::size_t(f)] = QStringLiteral("une température de %1 à %2 °C")
                                                 .arg(locale.toString(low), locale.toString(high));
            continue;
        }
        t.terms[std::size_t(f)] = *value;
    }
    for (const QString& problem : check.problems) {
        if (!problem.isEmpty()) {
            return check;
        }
    }
    double water = *t.terms[0];
    for (std::size_t i = 1; i < t.terms.size(); ++i) {
        water -= t.terms[i].value_or(0);
    }
    t.water = std::round(water * 10) / 10;
    // The temperature mode mixes water above freezing and at most boiling.
    if (!(t.water > 0 && t.water <= 100)) {
        check.problems[std::size_t(BaseField::Base)] =
            QStringLiteral("l'eau serait à %1 °C : la base doit laisser une eau entre 0 et 100 °C")
                .arg(locale.toString(t.water));
        return check;
    }
    check.result = t;
    return check;
}

}  // namespace fournil

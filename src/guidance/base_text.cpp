#include "guidance/base_text.h"

namespace fournil {

QString baseTemperatureLine(const BaseTemperature& base, const QLocale& locale) {
    static const char16_t* const names[] = {u"base", u"farine", u"fournil", u"levain"};
    const auto degrees = [&](double t) { return locale.toString(t); };
    QString sum = degrees(*base.terms[0]);
    for (std::size_t i = 1; i < base.terms.size(); ++i) {
        if (base.terms[i]) {
            sum += QStringLiteral(" − %1 %2")
                       .arg(QString::fromUtf16(names[i]), degrees(*base.terms[i]));
        }
    }
    return QStringLiteral("Température de base %1 °C : eau %2 °C = %3")
        .arg(degrees(*base.terms[0]), degrees(base.water), sum);
}

QString baseAgainstMix(const BaseTemperature& base, double hot, double cold,
                       const QLocale& locale) {
    if (base.water < cold) {
        return QStringLiteral("L'eau à %1 °C serait plus froide que l'eau froide (%2 °C).")
            .arg(locale.toString(base.water), locale.toString(cold));
    }
    if (base.water > hot) {
        return QStringLiteral("L'eau à %1 °C serait plus chaude que l'eau chaude (%2 °C).")
            .arg(locale.toString(base.water), locale.toString(hot));
    }
    return {};
}

}  // namespace fournil

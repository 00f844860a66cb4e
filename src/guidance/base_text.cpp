#include "guidance/base_text.h"

#include "engine/numbers.h"
#include "guidance/recipe_text.h"
#include "modes/modes.h"
#include "window/window.h"

namespace fournil {

std::optional<BaseTemperature> baseInUse(const Window& w) {
    const auto& terms = w.baseTerms();
    if (!terms || !selectedModes(w).any(&ModeRow::temperatures)) {
        return std::nullopt;
    }
    BaseRequest request;
    request.texts = terms->texts;
    const BaseCheck check = checkBase(request, w.locale());
    if (!check.result || w.H1.text() != unroundedText(check.result->water, w.locale())) {
        return std::nullopt;
    }
    return check.result;
}

QString baseUnavailableReason() {
    return QStringLiteral(
               "La température de base donne la température de l'eau de coulage : "
               "choisissez « %1 ».")
        .arg(modeCaption(Mode::WaterTemperature));
}

QString baseHelp() {
    return QStringLiteral(
        "La température de base est la somme des températures que le pétrissage demande : "
        "farine, fournil et eau (et levain s'il y en a). Elle dépend du pétrin et de la pâte ; "
        "chaque boulanger a la sienne. L'eau de coulage est la base moins les autres "
        "températures.");
}

QStringList baseLines(const Window& w) {
    const auto base = baseInUse(w);
    return base && !w.answer.fault ? baseLines(w, *base) : QStringList();
}

QStringList baseLines(const Window& w, const BaseTemperature& base) {
    QStringList lines = {baseTemperatureLine(base, w.locale())};
    // The hot and cold water are the sentence's only while it mixes water.
    const auto hot = w.answer[AnswerBox::H2].number, cold = w.answer[AnswerBox::EF2].number;
    if (hot && cold && !w.answer.fault && selectedModes(w).any(&ModeRow::temperatures)) {
        lines << baseAgainstMix(base, *hot, *cold, w.locale());
    }
    lines.removeAll(QString());
    return lines;
}

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

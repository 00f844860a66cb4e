#pragma once

// The water's temperature from the base temperature of the kneading, as French bakers work it
// out: the water is the base less the flour's and the bakehouse's temperatures, and less the
// levain's when the dough has one. One check reads the terms, as typed, for every place that
// asks for them, and refuses a term or a result the temperature mode cannot take.

#include <QLocale>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace fournil {

enum class BaseField : std::uint8_t { Base, Flour, Bakehouse, Levain };
inline constexpr std::array baseFields = {BaseField::Base, BaseField::Flour, BaseField::Bakehouse,
                                          BaseField::Levain};

struct BaseRequest {
    std::array<QString, baseFields.size()> texts;  // the levain's empty: a dough without one
    QString& operator[](BaseField f) { return texts[std::size_t(f)]; }
    const QString& operator[](BaseField f) const { return texts[std::size_t(f)]; }
};

struct BaseTemperature {
    std::array<std::optional<double>, baseFields.size()> terms;  // °C; no levain: none
    double water = 0;                                            // rounded to a tenth
};

struct BaseCheck {
    // Why each field is refused, in French; empty when good.
    std::array<QString, baseFields.size()> problems;
    std::optional<BaseTemperature> result;
    const QString& problem(BaseField f) const { return problems[std::size_t(f)]; }
};

BaseCheck checkBase(const BaseRequest& request, const QLocale& locale);

}  // namespace fournil

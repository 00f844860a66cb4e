#pragma once

// The base temperature's sum in words, as the card, the clipboard and the command line write it.

#include "inputs/base_temperature.h"

#include <QLocale>
#include <QString>

namespace fournil {

// "Température de base 60 °C : eau 18 °C = 60 − farine 20 − fournil 22"
QString baseTemperatureLine(const BaseTemperature& base, const QLocale& locale);
// Why the water found cannot come from the hot and cold water given; empty when it can.
QString baseAgainstMix(const BaseTemperature& base, double hot, double cold, const QLocale& locale);

}  // namespace fournil

#pragma once

// The base temperature's sum in words, as the card, the clipboard and the command line write it.

#include "inputs/base_temperature.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

namespace fournil {

class Window;

// The base temperature the sentence's water comes from: the terms last applied, while the mode
// mixes water and its temperature is still the one they give.
std::optional<BaseTemperature> baseInUse(const Window& w);
// Its sum and, where the mix cannot make that water, why: for the clipboard, the card and the
// command line.
QStringList baseLines(const Window& w);
// The same for terms not applied yet, against the sentence as it stands (the dialog's result).
QStringList baseLines(const Window& w, const BaseTemperature& base);
// Why the base temperature is not offered in the mode shown, for its disabled menu entry.
QString baseUnavailableReason();
// What the base temperature is, for the dialog's help.
QString baseHelp();

// "Température de base 60 °C : eau 18 °C = 60 − farine 20 − fournil 22"
QString baseTemperatureLine(const BaseTemperature& base, const QLocale& locale);
// Why the water found cannot come from the hot and cold water given; empty when it can.
QString baseAgainstMix(const BaseTemperature& base, double hot, double cold, const QLocale& locale);

}  // namespace fournil

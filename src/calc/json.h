#pragma once

// The answer as one JSON object, written by hand so that the keys keep the order a reader
// expects.

#include "calc/calculator.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace fournil::calc {

// The answer, with the repairs made on the way, on one line.
QString answerJson(const Window& w, const std::vector<Repair>& repairs,
                   const std::optional<BaseTemperature>& base = std::nullopt);
// A row of a batch that asked what does not exist.
QString refusalJson(const QString& why);

}  // namespace fournil::calc

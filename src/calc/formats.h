#pragma once

// The answer's writers. One table of columns gives the CSV header and each answer's values; one
// table of formats serves --format, for one calculation and for a batch alike: a new format is one
// row here and its writer.

#include "calc/calculator.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <span>
#include <vector>

namespace fournil::calc {

// The columns of an answer as CSV gives them, the same for every mode, and one answer's values;
// with repairs asked for, a column of them before the error's.
QStringList answerColumns(bool repairs = false);
QStringList answerValues(const Window& w, const std::vector<Repair>* repairs = nullptr);
// The base temperature's terms the answer was made from, one cell each, or blanks.
QStringList baseCells(const Window& w);

// One row's outcome: the input's cells that asked for it, then the window's answer or why the
// row was refused.
struct Answered {
    QStringList cells;
    const Window* window = nullptr;  // null for a refused row
    std::vector<Repair> repairs;
    QString why;
};

struct Format {
    const char16_t* name;  // as --format names it
    // Before the first answer: the columns the input gave (a batch's header, or the settings).
    QString (*header)(const QStringList& inputColumns, bool repairs);
    QString (*write)(const Answered& answered, bool repairs);
    // Between two answers of a batch.
    const char16_t* between = u"";
};

// The format a word names; a UsageError that lists them for any other.
const Format& formatNamed(QStringView word);
const Format& textFormat();
const Format& csvFormat();

}  // namespace fournil::calc

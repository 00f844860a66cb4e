#pragma once

// A day's production: a CSV file of calculations, one a row, read, answered and written block by
// block in the input's order, so that memory stays bounded whatever the file's size and a pipe
// gets its first answers while it is still open.

#include "calc/calculator.h"
#include "calc/command.h"
#include "calc/formats.h"

#include <QLocale>
#include <QString>

namespace fournil::calc {

// The output could not take the answer: nothing after it may say success.
struct WriteFailed {
    QString why;
};

// Writes to the standard output, or throws WriteFailed.
void write(const Streams& io, const QString& text);
// A line on the standard error, after the program's name.
void say(const Streams& io, const QString& line);

// The columns that name a row rather than compute it (nom, notes): echoed, never typed.
QStringList labelColumns();
// A batch's header as the rows are read: the settings' columns by their plain word, the values'
// as they came; a UsageError for a column that names nothing or is named twice.
QStringList batchColumns(const QStringList& header);
// A row of a batch as a request: the mode, the units, then the values left to right.
Request requestOf(const QStringList& columns, const QStringList& cells);

// Answers every row of `input`; the exit status. A UsageError for a header that names nothing.
int batch(Input& input, const Format& format, bool repair, const QLocale& locale,
          const Streams& io);

}  // namespace fournil::calc

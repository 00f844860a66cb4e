#pragma once

// The notebook on the command line: its names listed, an entry computed, a CSV file imported
// whole or not at all, the notebook exported as a CSV file that the import and --csv take back.

#include "calc/calculator.h"
#include "calc/command.h"
#include "calc/formats.h"
#include "calc/options.h"

#include <QLocale>

#include <optional>

namespace fournil {
class Notebook;
}

namespace fournil::calc {

// --carnet, --carnet NOM, --carnet-importer, --carnet-exporter; the exit status.
int notebookCommand(const Options& o, const QLocale& locale, const Streams& io);

// --carnet-importer (notebook_import.cpp).
int importNotebook(Notebook& notebook, const Options& o, const QLocale& locale, const Streams& io);

// One request answered and written as a single calculation is (command.cpp); what a kept
// calculation holds beside its texts is put back after it is played.
int answerOne(Calculator& calculator, const Request& request, const Format* format,
              const Streams& io, const KeptCalculation* kept = nullptr);

// The names nearest to a word mistyped, at most three, nearest first.
QStringList nearestNames(const QString& word, const QStringList& names);

}  // namespace fournil::calc

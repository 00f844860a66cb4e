#pragma once

// The command's options, one table: it makes the parsing, the message for an unknown option and
// the help.

#include "calc/calculator.h"
#include "calc/formats.h"

#include <QLocale>
#include <QStringList>

#include <optional>
#include <vector>

namespace fournil::calc {

struct Options {
    std::optional<Mode> mode;
    Request request;
    std::vector<RecipeField> recipeGiven;  // the recipe's fields given as options
    const Format* format = nullptr;        // null: as the command's use wants it
    std::optional<QString> csv;
    std::optional<QLocale> locale;
    // --carnet: "" lists the names, a name computes that entry.
    std::optional<QString> notebook;
    std::optional<QString> importFrom;
    bool exportNotebook = false;
    bool replace = false;
    bool help = false;
    bool version = false;
};

// The arguments without the program's name; a UsageError for what names nothing.
Options parse(const QStringList& arguments);

// The help of the command: its options and, for each mode or for one, the names of its boxes.
QString helpText(std::optional<Mode> mode);

}  // namespace fournil::calc

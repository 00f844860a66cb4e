#pragma once

// The command `fournil-calc`: its arguments read, one calculation or a CSV file of them played,
// the answers written. Returns the exit status: 0 with an answer, 2 for a request that names
// what does not exist, 3 when the answer is "Calcul impossible avec ces valeurs".

#include <QByteArray>
#include <QLocale>
#include <QStringList>

#include <functional>

namespace fournil::calc {

struct Streams {
    std::function<void(const QByteArray&)> out;
    std::function<void(const QByteArray&)> err;
    // The bytes of a file, or of the standard input for "-"; nothing when it cannot be read.
    std::function<std::optional<QByteArray>(const QString&)> read;
};

// `arguments` without the program's name; `locale` the user's own, which --locale replaces.
int runCommand(const QStringList& arguments, const Streams& io, const QLocale& locale);

}  // namespace fournil::calc

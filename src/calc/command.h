#pragma once

// The command `fournil-calc`: its arguments read, one calculation or a CSV file of them played,
// the answers written. Returns the exit status (exitStatus below).

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace fournil::calc {

namespace exitStatus {
inline constexpr int answered = 0;
inline constexpr int misused = 2;     // names what does not exist, a refused value, bad input
inline constexpr int impossible = 3;  // "Calcul impossible avec ces valeurs", or a row in error
inline constexpr int unwritten = 4;   // the answer could not be written
}  // namespace exitStatus

// Where a batch's bytes come from: a file, or the standard input.
class Input {
  public:
    virtual ~Input() = default;
    // Up to `size` bytes, as many as are there now (a pipe gives what it holds); 0 at the end;
    // -1 on an error, which error() tells.
    virtual qint64 read(char* data, qint64 size) = 0;
    virtual QString error() const = 0;
};

// Bytes held in memory, given `chunk` bytes at a time, as a pipe would.
std::unique_ptr<Input> bytesInput(QByteArray bytes, qint64 chunk = 1 << 16);

struct Streams {
    // False when the bytes could not all be written; outError() then tells why.
    std::function<bool(const QByteArray&)> out;
    std::function<void(const QByteArray&)> err;
    // A file, or the standard input for "-"; null with `why` set when it cannot be opened.
    std::function<std::unique_ptr<Input>(const QString& path, QString& why)> open;
    // The end of the output, flushed: false when it could not be written.
    std::function<bool()> finish = [] { return true; };
    std::function<QString()> outError = [] { return QString(); };
};

// `arguments` without the program's name; `locale` the user's own, which --locale replaces.
int runCommand(const QStringList& arguments, const Streams& io, const QLocale& locale);

}  // namespace fournil::calc

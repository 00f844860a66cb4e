#pragma once

// CSV as RFC 4180 writes it: fields separated by commas, a field with a comma, a quote or a line
// break quoted, its quotes doubled; records end with CRLF on the way out, and LF, CRLF or CR on
// the way in. The reader streams: it holds one record and one block of input at a time, and a
// record past its bounds is an error of that record, not of the file.

#include "calc/command.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace fournil::calc {

// A field of an answer file: an echoed cell that a spreadsheet would run as a formula is written
// with a leading apostrophe.
QString csvRecord(const QStringList& fields, bool defuse = true);  // with its CRLF
QString defused(const QString& cell);

struct CsvBounds {
    qsizetype cell = 64 * 1024;
    qsizetype record = 1024 * 1024;
    qsizetype fields = 1000;
    qsizetype endless = 16 * 1024 * 1024;  // bytes without a line end that end the reading
};

struct CsvRecord {
    int line = 0;  // the line its first field starts on
    QStringList cells;
    QString error;  // a bound passed: the record was read up to its line's end and dropped
    qsizetype bytes = 0;
};

// The reading could not go on: the input failed, or it has no line ends.
struct CsvFailure {
    QString message;
};

class CsvReader {
  public:
    explicit CsvReader(Input& input, CsvBounds bounds = {});
    // The next record, or nothing at the end; a CsvFailure when the reading cannot go on.
    std::optional<CsvRecord> next();
    // Whether the next record would wait for input that has not come yet (a pipe kept open).
    bool waiting() const { return at_ >= buffer_.size() && lastShort_; }
    // A quote left open at the end of the input: the record it began was cut short.
    bool unterminated() const { return unterminated_; }

  private:
    // Reads a block of the input into the buffer from `at` on; the bytes read.
    qint64 readBlock(qsizetype at);
    int get();              // the next byte, or -1 at the end
    int peek();             // the next byte, left to read
    bool take(int wanted);  // the next byte, read only when it is the one wanted
    // A byte inside quotes into the field; false at the closing quote.
    bool quotedByte(int c, QByteArray& field);
    // The field ended by `c` (a comma or a line end) into the record; false when the record is
    // dropped for having too many fields.
    bool endField(CsvRecord& record, QByteArray& field, int c);
    void skipLine(CsvRecord& record, const QString& why);

    Input& input_;
    CsvBounds bounds_;
    QByteArray buffer_;
    qsizetype at_ = 0;
    bool lastShort_ = false;
    bool ended_ = false;
    bool started_ = false;
    int line_ = 1;
    bool unterminated_ = false;
};

}  // namespace fournil::calc

#pragma once

// CSV as RFC 4180 writes it: fields separated by commas, a field with a comma, a quote or a line
// break quoted, its quotes doubled; records end with CRLF on the way out, CRLF or LF on the way in.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace fournil::calc {

QString csvRecord(const QStringList& fields);  // with its CRLF

class CsvReader {
  public:
    explicit CsvReader(QByteArray text);
    // The next record, or nothing at the end. `line` is the line its first field starts on.
    std::optional<QStringList> next(int& line);
    // A quote left open at the end of the text: the record it began was cut short.
    bool unterminated() const { return unterminated_; }

  private:
    QString text_;
    qsizetype at_ = 0;
    int line_ = 1;
    bool unterminated_ = false;
};

}  // namespace fournil::calc

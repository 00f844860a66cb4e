#include "calc/csv.h"

namespace fournil::calc {

QString csvRecord(const QStringList& fields) {
    QString out;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            out += u',';
        }
        const QString& f = fields[i];
        if (f.contains(u',') || f.contains(u'"') || f.contains(u'\n') || f.contains(u'\r')) {
            out += u'"' + QString(f).replace(u'"', QStringLiteral("\"\"")) + u'"';
        } else {
            out += f;
        }
    }
    return out + QStringLiteral("\r\n");
}

CsvReader::CsvReader(QByteArray text) : text_(QString::fromUtf8(text)) {
    if (text_.startsWith(QChar(0xFEFF))) {
        text_.remove(0, 1);  // the mark a spreadsheet puts before UTF-8
    }
}

std::optional<QStringList> CsvReader::next(int& line) {
    if (at_ >= text_.size()) {
        return std::nullopt;
    }
    line = line_;
    QStringList fields;
    QString field;
    bool quoted = false;
    const qsizetype n = text_.size();
    while (at_ < n) {
        const QChar c = text_.at(at_++);
        if (quoted) {
            if (c == u'"') {
                if (at_ < n && text_.at(at_) == u'"') {
                    field += u'"';
                    ++at_;
                } else {
                    quoted = false;
                }
            } else {
                if (c == u'\n') {
                    ++line_;
                }
                field += c;
            }
        } else if (c == u'"' && field.isEmpty()) {
            quoted = true;
        } else if (c == u',') {
            fields << field;
            field.clear();
        } else if (c == u'\r' && at_ < n && text_.at(at_) == u'\n') {
            continue;  // the CR of a CRLF
        } else if (c == u'\n') {
            ++line_;
            fields << field;
            return fields;
        } else {
            field += c;
        }
    }
    unterminated_ = quoted;
    fields << field;
    return fields;
}

}  // namespace fournil::calc

#include "calc/csv.h"

namespace fournil::calc {
namespace {

constexpr qsizetype blockSize = 1 << 16;

// "12", "-3", "70,5" or "0.25": what a spreadsheet reads as a number, never as a formula.
bool plainNumber(const QString& cell) {
    qsizetype i = cell.startsWith(u'-') || cell.startsWith(u'+') ? 1 : 0;
    qsizetype digits = 0;
    bool mark = false;
    for (; i < cell.size(); ++i) {
        const QChar c = cell[i];
        if (c >= u'0' && c <= u'9') {
            ++digits;
        } else if ((c == u'.' || c == u',') && !mark && digits > 0) {
            mark = true;
        } else {
            return false;
        }
    }
    return digits > 0 && !cell.endsWith(u'.') && !cell.endsWith(u',');
}

QString quoted(const QString& f) {
    if (f.contains(u',') || f.contains(u'"') || f.contains(u'\n') || f.contains(u'\r')) {
        return u'"' + QString(f).replace(u'"', QStringLiteral("\"\"")) + u'"';
    }
    return f;
}

}  // namespace

QString defused(const QString& cell) {
    static const QString starts = QStringLiteral("=+-@\t\r");
    if (!cell.isEmpty() && starts.contains(cell[0]) && !plainNumber(cell)) {
        return u'\'' + cell;
    }
    return cell;
}

QString csvRecord(const QStringList& fields, bool defuse) {
    QString out;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            out += u',';
        }
        out += quoted(defuse ? defused(fields[i]) : fields[i]);
    }
    return out + QStringLiteral("\r\n");
}

CsvReader::CsvReader(Input& input, CsvBounds bounds) : input_(input), bounds_(bounds) {}

qint64 CsvReader::readBlock(qsizetype at) {
    buffer_.resize(at + blockSize);
    const qint64 n = input_.read(buffer_.data() + at, blockSize);
    if (n < 0) {
        throw CsvFailure{QStringLiteral("lecture impossible : ") + input_.error()};
    }
    buffer_.resize(at + qsizetype(n));
    lastShort_ = n < blockSize;
    return n;
}

int CsvReader::get() {
    while (at_ >= buffer_.size()) {
        if (ended_) {
            return -1;
        }
        at_ = 0;
        if (readBlock(0) == 0) {
            ended_ = true;
            return -1;
        }
        if (!started_) {
            started_ = true;
            // The mark a spreadsheet puts before UTF-8, however few bytes the first reads bring.
            while (buffer_.size() < 3 && readBlock(buffer_.size()) > 0) {
            }
            at_ = buffer_.startsWith("\xEF\xBB\xBF") ? 3 : 0;
        }
    }
    return static_cast<unsigned char>(buffer_[at_++]);
}

void CsvReader::skipLine(CsvRecord& record, const QString& why) {
    // Quotes no longer count: the record is dropped up to its line's end, however long it is, so
    // that one bad record cannot swallow the file.
    qsizetype skipped = 0;
    int c = get();
    while (c >= 0 && c != '\n' && c != '\r') {
        if (++skipped > bounds_.endless) {
            throw CsvFailure{QStringLiteral("ligne %1 : plus de %2 Mio sans fin de ligne ; ce "
                                            "n'est pas un fichier CSV")
                                 .arg(record.line)
                                 .arg(bounds_.endless / (1024 * 1024))};
        }
        c = get();
    }
    if (c == '\r') {
        // A lone CR ends the line by itself.
        if (const int d = get(); d >= 0 && d != '\n') {
            --at_;
        }
    }
    ++line_;
    record.cells.clear();
    record.error = why;
}

int CsvReader::peek() {
    const int d = get();
    if (d >= 0) {
        --at_;
    }
    return d;
}

bool CsvReader::take(int wanted) {
    const bool taken = peek() == wanted;
    at_ += taken ? 1 : 0;
    return taken;
}

bool CsvReader::quotedByte(int c, QByteArray& field) {
    if (c == '"') {
        if (!take('"')) {
            return false;  // the closing quote
        }
    } else if (c == '\n' || (c == '\r' && peek() != '\n')) {
        ++line_;
    }
    field += char(c);
    return true;
}

bool CsvReader::endField(CsvRecord& r, QByteArray& field, int c) {
    const auto tooMany = [&] { return QStringLiteral("plus de %1 champs").arg(bounds_.fields); };
    if (r.cells.size() >= bounds_.fields && c == ',') {
        skipLine(r, tooMany());
        return false;
    }
    if (r.cells.size() >= bounds_.fields) {
        r.cells.clear();
        r.error = tooMany();
    } else {
        r.cells << QString::fromUtf8(field);
    }
    field.clear();
    if (c == '\r') {
        take('\n');
    }
    if (c != ',') {
        ++line_;
    }
    return true;
}

std::optional<CsvRecord> CsvReader::next() {
    int c = get();
    if (c < 0) {
        return std::nullopt;
    }
    CsvRecord r;
    r.line = line_;
    QByteArray field;
    bool quoted = false, wasQuoted = false;
    for (; c >= 0; c = get()) {
        if (++r.bytes > bounds_.record) {
            skipLine(r, QStringLiteral("une ligne de plus de %1 Mio").arg(bounds_.record >> 20));
            return r;
        }
        if (quoted) {
            quoted = quotedByte(c, field);
        } else if (c == '"' && field.isEmpty() && !wasQuoted) {
            quoted = wasQuoted = true;
        } else if (c == ',' || c == '\n' || c == '\r') {
            if (!endField(r, field, c) || c != ',') {
                return r;
            }
            wasQuoted = false;
        } else {
            field += char(c);
        }
        if (field.size() > bounds_.cell) {
            skipLine(r, QStringLiteral("un champ de plus de %1 Kio").arg(bounds_.cell >> 10));
            return r;
        }
    }
    unterminated_ = quoted;
    r.cells << QString::fromUtf8(field);
    return r;
}

}  // namespace fournil::calc

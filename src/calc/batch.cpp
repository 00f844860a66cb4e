#include "calc/batch.h"

#include "calc/calculator.h"
#include "calc/csv.h"

#include <algorithm>
#include <future>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

namespace fournil::calc {
namespace {

bool knownColumn(const QString& column) {
    for (const ModeRow& row : modeRows()) {
        if (boxNamed(namedBoxes(row.mode), column) != nullptr) {
            return true;
        }
    }
    return false;
}

}  // namespace

QStringList labelColumns() {
    return {QStringLiteral("nom"), QStringLiteral("notes")};
}

QStringList batchColumns(const QStringList& header) {
    QStringList columns, plain, twice;
    for (const QString& column : header) {
        const QString name = plainWord(column);
        const bool setting = settingColumns().contains(name) || labelColumns().contains(name);
        if (!setting && !knownColumn(column)) {
            throw UsageError(
                QStringLiteral("colonne inconnue « %1 » ; les colonnes sont : %2")
                    .arg(column, joined(settingColumns() + labelColumns() + allBoxNames())));
        }
        if (plain.contains(name) && !twice.contains(column)) {
            twice << column;
        }
        plain << name;
        columns << (setting ? name : column);
    }
    if (!twice.isEmpty()) {
        throw UsageError(
            QStringLiteral("colonnes en double dans l'en-tête : %1").arg(joined(twice)));
    }
    // Named as the other settings are, whatever its case and blanks: every row has its mode.
    if (!columns.contains(QStringLiteral("mode"))) {
        throw UsageError(QStringLiteral("l'en-tête du fichier CSV doit nommer la colonne mode"));
    }
    return columns;
}

namespace {

// A cell of a setting's column into the request (a label's is only echoed); false for a value's
// column.
bool takeSetting(Request& request, const QString& column, const QString& cell) {
    if (column == u"masse") {
        request.massUnit = massUnitNamed(cell);
    } else if (column == u"unite1") {
        request.hydrationUnit1 = hydrationUnitNamed(cell);
    } else if (column == u"unite2") {
        request.hydrationUnit2 = hydrationUnitNamed(cell);
    } else if (labelColumns().contains(column)) {
        return true;
    } else if (const auto field = recipeFieldNamed(column)) {
        RecipeRequest& r = request.recipe ? *request.recipe : request.recipe.emplace();
        r[*field] = cell;
    } else if (const auto term = baseFieldNamed(column)) {
        BaseRequest& b = request.base ? *request.base : request.base.emplace();
        b[*term] = cell;
    } else {
        return false;
    }
    return true;
}

}  // namespace

Request requestOf(const QStringList& columns, const QStringList& cells) {
    if (cells.size() != columns.size()) {
        throw UsageError(
            QStringLiteral("%1 champs au lieu de %2").arg(cells.size()).arg(columns.size()));
    }
    Request request;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const QString& cell = cells[i];
        const QString& column = columns[i];
        if (column == u"mode") {
            request.mode = modeNamed(cell.trimmed());
        } else if (cell.isEmpty()) {
            continue;  // not given: the box keeps its start-up text
        } else if (!takeSetting(request, column, cell)) {
            request.inputs.emplace_back(column, cell);
        }
    }
    return request;
}

namespace {

struct Batch {
    const Format& format;
    bool repair;
    QStringList columns;

    // One row's answer, or why it has none; `bad` counts both refused and impossible rows.
    QString answer(Calculator& calculator, const CsvRecord& record, int& bad) const {
        Answered a;
        a.cells = record.cells;
        a.cells.resize(columns.size());  // as many cells as the header, whatever came
        try {
            if (!record.error.isEmpty()) {
                throw UsageError(record.error);
            }
            Request request = requestOf(columns, record.cells);
            request.repair = repair;
            a.repairs = calculator.run(request);
            a.window = &calculator.window();
            bad += answerFailed(calculator.window()) ? 1 : 0;
        } catch (const UsageError& e) {
            ++bad;
            a.why = QStringLiteral("ligne %1 : %2").arg(record.line).arg(e.message());
        }
        return format.write(a, repair);
    }

    QString play(Calculator& calculator, const std::vector<CsvRecord>& rows, std::size_t from,
                 std::size_t to, bool first, int& bad) const {
        QString out;
        for (std::size_t r = from; r < to; ++r) {
            if (!(first && r == 0)) {
                out += QString::fromUtf16(format.between);
            }
            out += answer(calculator, rows[r], bad);
        }
        return out;
    }
};

// Each worker has a window of its own; the rows of a block go out in their order.
int playBlock(const Batch& batch, const std::vector<std::unique_ptr<Calculator>>& calculators,
              const std::vector<CsvRecord>& rows, bool first, const Streams& io) {
    const std::size_t workers = calculators.size(), count = rows.size();
    const std::size_t share = (count + workers - 1) / workers;
    std::vector<std::future<QString>> parts;
    std::vector<int> failures(workers, 0);
    for (std::size_t i = 1; i < workers; ++i) {
        const std::size_t from = std::min(count, i * share), to = std::min(count, from + share);
        parts.push_back(std::async(std::launch::async, [&, i, from, to] {
            return batch.play(*calculators[i], rows, from, to, first, failures[i]);
        }));
    }
    QString out = batch.play(*calculators[0], rows, 0, std::min(count, share), first, failures[0]);
    for (auto& part : parts) {
        out += part.get();
    }
    write(io, out);
    int bad = 0;
    for (int f : failures) {
        bad += f;
    }
    return bad;
}

// The next rows to answer together: up to a block, or what has come while the input waits.
std::vector<CsvRecord> nextBlock(CsvReader& reader) {
    constexpr std::size_t rowsPerBlock = 4096;
    constexpr qsizetype bytesPerBlock = 2 * 1024 * 1024;
    std::vector<CsvRecord> rows;
    qsizetype bytes = 0;
    while (rows.size() < rowsPerBlock && bytes < bytesPerBlock) {
        auto record = reader.next();
        if (!record) {
            break;
        }
        const bool blank =
            record->error.isEmpty() && record->cells.size() == 1 && record->cells.front().isEmpty();
        if (!blank) {
            bytes += record->bytes;
            rows.push_back(std::move(*record));
        }
        if (reader.waiting() && !rows.empty()) {
            break;
        }
    }
    return rows;
}

}  // namespace

void write(const Streams& io, const QString& text) {
    if (!text.isEmpty() && !io.out(text.toUtf8())) {
        throw WriteFailed{io.outError()};
    }
}

void say(const Streams& io, const QString& line) {
    io.err((QStringLiteral("fournil-calc : ") + line + u'\n').toUtf8());
}

int batch(Input& input, const Format& format, bool repair, const QLocale& locale,
          const Streams& io) {
    CsvReader reader(input);
    int bad = 0;
    std::size_t count = 0;
    try {
        const auto header = reader.next();
        if (header && !header->error.isEmpty()) {
            throw UsageError(QStringLiteral("l'en-tête du fichier CSV : ") + header->error);
        }
        const Batch b{format, repair, batchColumns(header ? header->cells : QStringList())};
        write(io, format.header(header->cells, b.repair));
        const unsigned workers = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
        std::vector<std::unique_ptr<Calculator>> calculators;
        for (unsigned i = 0; i < workers; ++i) {
            calculators.push_back(std::make_unique<Calculator>(locale));
        }
        for (auto rows = nextBlock(reader); !rows.empty(); rows = nextBlock(reader)) {
            bad += playBlock(b, calculators, rows, count == 0, io);
            count += rows.size();
        }
    } catch (const CsvFailure& failure) {
        say(io, failure.message);
        return exitStatus::misused;
    }
    if (reader.unterminated()) {
        say(io, QStringLiteral("le fichier CSV finit dans un champ entre guillemets"));
    }
    if (bad > 0) {
        say(io, QStringLiteral("%1 ligne(s) en erreur sur %2").arg(bad).arg(count));
    }
    return bad > 0 ? exitStatus::impossible : exitStatus::answered;
}

}  // namespace fournil::calc

#include "calc/command.h"

#include "calc/calculator.h"
#include "calc/csv.h"
#include "calc/formats.h"
#include "calc/options.h"

#include <algorithm>
#include <future>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

namespace fournil::calc {
namespace {

constexpr int answered = 0;
constexpr int misused = 2;
constexpr int impossible = 3;

QByteArray utf8(const QString& text) {
    return text.toUtf8();
}

bool knownColumn(const QString& column) {
    for (const ModeRow& row : modeRows()) {
        for (const NamedBox& b : namedBoxes(row.mode)) {
            if (names(b, column)) {
                return true;
            }
        }
    }
    return false;
}

// A batch's header as the rows are read: the settings' columns by their plain word, the values'
// as they came; a UsageError for a column that names nothing.
QStringList batchColumns(const std::optional<QStringList>& header) {
    if (!header || !header->contains(QStringLiteral("mode"))) {
        throw UsageError(QStringLiteral("l'en-tête du fichier CSV doit nommer la colonne mode"));
    }
    QStringList columns;
    for (const QString& column : *header) {
        const QString name = plainWord(column);
        const bool setting = settingColumns().contains(name);
        if (!setting && !knownColumn(column)) {
            throw UsageError(QStringLiteral("colonne inconnue « %1 » ; les colonnes sont : %2")
                                 .arg(column, joined(settingColumns() + allBoxNames())));
        }
        columns << (setting ? name : column);
    }
    return columns;
}

// A cell of a setting's column into the request; false for a value's column.
bool takeSetting(Request& request, const QString& column, const QString& cell) {
    if (column == u"masse") {
        request.massUnit = massUnitNamed(cell);
    } else if (column == u"unite1") {
        request.hydrationUnit1 = hydrationUnitNamed(cell);
    } else if (column == u"unite2") {
        request.hydrationUnit2 = hydrationUnitNamed(cell);
    } else if (const auto field = recipeFieldNamed(column)) {
        RecipeRequest& r = request.recipe ? *request.recipe : request.recipe.emplace();
        r[*field] = cell;
    } else {
        return false;
    }
    return true;
}

// A row of a batch as a request: the mode, the units, then the values left to right.
Request requestOf(const QStringList& columns, const QStringList& cells) {
    if (cells.size() != columns.size()) {
        throw UsageError(
            QStringLiteral("%1 champs au lieu de %2").arg(cells.size()).arg(columns.size()));
    }
    Request request;
    bool hasMode = false;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const QString& cell = cells[i];
        const QString& column = columns[i];
        if (column == u"mode") {
            request.mode = modeNamed(cell.trimmed());
            hasMode = true;
        } else if (cell.isEmpty()) {
            continue;  // not given: the box keeps its start-up text
        } else if (!takeSetting(request, column, cell)) {
            request.inputs.emplace_back(column, cell);
        }
    }
    if (!hasMode) {
        throw UsageError(QStringLiteral("pas de mode"));
    }
    return request;
}

struct Row {
    int line;
    QStringList cells;
};

struct Batch {
    const Format& format;
    QStringList columns;
    std::vector<Row> rows;

    // The rows from `from` to `to`, each answered or refused, in their order.
    QByteArray play(Calculator& calculator, std::size_t from, std::size_t to, int& bad) const {
        QString out;
        for (std::size_t r = from; r < to; ++r) {
            const Row& row = rows[r];
            if (r > 0) {
                out += QString::fromUtf16(format.between);
            }
            try {
                const std::vector<Repair> repairs = calculator.run(requestOf(columns, row.cells));
                out += format.answer(row.cells, calculator.window(), repairs);
            } catch (const UsageError& e) {
                ++bad;
                out += format.refused(
                    row.cells, QStringLiteral("ligne %1 : %2").arg(row.line).arg(e.message()));
            }
        }
        return utf8(out);
    }
};

// Each worker has a window of its own; the rows go out in their order, block by block.
int playAll(const Batch& batch, const QLocale& locale, const Streams& io) {
    const unsigned workers = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
    std::vector<std::unique_ptr<Calculator>> calculators;
    for (unsigned i = 0; i < workers; ++i) {
        calculators.push_back(std::make_unique<Calculator>(locale));
    }
    constexpr std::size_t block = 4096;
    const std::size_t count = batch.rows.size();
    int bad = 0;
    for (std::size_t first = 0; first < count; first += block) {
        const std::size_t last = std::min(count, first + block);
        const std::size_t share = (last - first + workers - 1) / workers;
        std::vector<std::future<QByteArray>> parts;
        std::vector<int> failures(workers, 0);
        for (unsigned i = 1; i < workers; ++i) {
            const std::size_t from = std::min(last, first + i * share);
            const std::size_t to = std::min(last, from + share);
            parts.push_back(std::async(std::launch::async, [&, i, from, to] {
                return batch.play(*calculators[i], from, to, failures[i]);
            }));
        }
        io.out(batch.play(*calculators[0], first, std::min(last, first + share), failures[0]));
        for (auto& part : parts) {
            io.out(part.get());
        }
        for (int f : failures) {
            bad += f;
        }
    }
    return bad;
}

int batch(const QByteArray& bytes, const Format& format, const QLocale& locale, const Streams& io) {
    CsvReader reader(bytes);
    int line = 0;
    const auto header = reader.next(line);
    Batch b{format, batchColumns(header), {}};
    io.out(utf8(format.header(*header)));
    while (auto record = reader.next(line)) {
        if (!(record->size() == 1 && record->front().isEmpty())) {  // not a blank line
            b.rows.push_back({line, std::move(*record)});
        }
    }
    const int bad = playAll(b, locale, io);
    if (reader.unterminated()) {
        io.err(
            utf8(QStringLiteral("fournil-calc : le fichier CSV finit dans un champ entre "
                                "guillemets\n")));
    }
    if (bad > 0) {
        io.err(utf8(QStringLiteral("fournil-calc : %1 ligne(s) en erreur sur %2\n")
                        .arg(bad)
                        .arg(b.rows.size())));
    }
    return answered;
}

int single(const Options& o, const QLocale& locale, const Streams& io) {
    if (!o.mode) {
        throw UsageError(
            QStringLiteral("--mode N manque ; les modes vont %1 (voir --help)").arg(modeRange()));
    }
    Calculator calculator(locale);
    const std::vector<Repair> repairs = calculator.run(o.request);
    for (const Repair& r : repairs) {
        io.err(utf8(QStringLiteral("fournil-calc : ") + r.line() + u'\n'));
    }
    const Window& w = calculator.window();
    const Format& format = o.format != nullptr ? *o.format : textFormat();
    const QStringList settings = {QString::number(int(o.request.mode)), massUnitShown(w),
                                  hydrationUnitShown(w, 1), hydrationUnitShown(w, 2)};
    io.out(utf8(format.header(settingColumns().mid(0, 4)) + format.answer(settings, w, repairs)));
    return answerFailed(w) ? impossible : answered;
}

}  // namespace

int runCommand(const QStringList& arguments, const Streams& io, const QLocale& userLocale) {
    try {
        const Options o = parse(arguments);
        const QLocale locale = o.locale.value_or(userLocale);
        if (o.help) {
            io.out(utf8(helpText(o.mode)));
            return answered;
        }
        if (o.version) {
            io.out(QByteArrayLiteral("fournil-calc " FOURNIL_VERSION "\n"));
            return answered;
        }
        if (!o.csv) {
            return single(o, locale, io);
        }
        const auto bytes = io.read(*o.csv);
        if (!bytes) {
            io.err(utf8(QStringLiteral("fournil-calc : impossible de lire « %1 »\n").arg(*o.csv)));
            return misused;
        }
        return batch(*bytes, o.format != nullptr ? *o.format : csvFormat(), locale, io);
    } catch (const UsageError& e) {
        io.err(utf8(QStringLiteral("fournil-calc : ") + e.message() + u'\n'));
        return misused;
    }
}

}  // namespace fournil::calc

#include "calc/command.h"

#include "calc/calculation.h"
#include "calc/csv.h"

#include <algorithm>
#include <future>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

namespace fournil::calc {
namespace {

enum class Format { Text, Json, Csv };

constexpr int answered = 0;
constexpr int misused = 2;
constexpr int impossible = 3;

QByteArray utf8(const QString& text) {
    return text.toUtf8();
}

QLocale localeNamed(const QString& name) {
    return name == u"C" || name == u"POSIX" ? QLocale::c() : QLocale(name);
}

// The recipe's own words, as options (--pieces) and as a batch's columns (pieces).
QStringList recipeWords() {
    return {QStringLiteral("pieces"), QStringLiteral("poids"), QStringLiteral("sel"),
            QStringLiteral("levure")};
}

// The request's recipe input a recipe word names (the recipe begun if need be), or null.
QString* recipeField(Request& request, QStringView word) {
    const qsizetype at = recipeWords().indexOf(word);
    if (at < 0) {
        return nullptr;
    }
    RecipeRequest& r = request.recipe ? *request.recipe : request.recipe.emplace();
    QString* fields[] = {&r.pieces, &r.weight, &r.salt, &r.yeast};
    return fields[at];
}

struct Options {
    std::optional<Mode> mode;
    Request request;
    Format format = Format::Text;
    std::optional<QString> csv;
    std::optional<QLocale> locale;
    bool help = false;
    bool version = false;
};

QStringList optionNames() {
    return {QStringLiteral("--mode"),   QStringLiteral("--masse"),  QStringLiteral("--unite1"),
            QStringLiteral("--unite2"), QStringLiteral("--format"), QStringLiteral("--locale"),
            QStringLiteral("--csv"),    QStringLiteral("--help"),   QStringLiteral("--version")};
}

Options parse(const QStringList& arguments) {
    Options o;
    std::vector<std::pair<QString, QString>> inputs;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString word = arguments[i];
        QString value;
        bool hasValue = false;
        if (word.startsWith(QStringLiteral("--")) && word.contains(u'=')) {
            value = word.mid(word.indexOf(u'=') + 1);
            word = word.left(word.indexOf(u'='));
            hasValue = true;
        }
        const auto takeValue = [&]() -> QString {
            if (hasValue) {
                return value;
            }
            if (i + 1 >= arguments.size()) {
                throw UsageError(QStringLiteral("%1 attend une valeur").arg(word));
            }
            return arguments[++i];
        };
        if (word == u"--help" || word == u"-h") {
            o.help = true;
        } else if (word == u"--version") {
            o.version = true;
        } else if (word == u"--mode") {
            o.mode = modeNamed(takeValue());
        } else if (word == u"--masse") {
            o.request.massUnit = massUnitNamed(takeValue());
        } else if (word == u"--unite1") {
            o.request.hydrationUnit1 = hydrationUnitNamed(takeValue());
        } else if (word == u"--unite2") {
            o.request.hydrationUnit2 = hydrationUnitNamed(takeValue());
        } else if (word == u"--format") {
            const QString f = takeValue();
            if (f == u"texte") {
                o.format = Format::Text;
            } else if (f == u"json") {
                o.format = Format::Json;
            } else if (f == u"csv") {
                o.format = Format::Csv;
            } else {
                throw UsageError(
                    QStringLiteral("format inconnu « %1 » ; les formats sont : texte, json, csv")
                        .arg(f));
            }
        } else if (word == u"--locale") {
            o.locale = localeNamed(takeValue());
        } else if (QString* field = word.startsWith(u"--")
                                        ? recipeField(o.request, QStringView(word).mid(2))
                                        : nullptr) {
            *field = takeValue();
        } else if (word == u"--csv") {
            o.csv = takeValue();
        } else if (word.startsWith(u'-') && word.size() > 1 && !word.contains(u'=')) {
            throw UsageError(QStringLiteral("option inconnue « %1 » ; les options sont : %2")
                                 .arg(word, optionNames().join(QStringLiteral(", "))));
        } else if (const qsizetype eq = arguments[i].indexOf(u'='); eq > 0) {
            inputs.emplace_back(arguments[i].left(eq), arguments[i].mid(eq + 1));
        } else {
            throw UsageError(
                QStringLiteral("« %1 » n'est ni une option ni NOM=VALEUR (voir --help)")
                    .arg(arguments[i]));
        }
    }
    o.request.inputs = std::move(inputs);
    if (o.mode) {
        o.request.mode = *o.mode;
    }
    return o;
}

// The columns of a batch's header that are not values.
bool settingColumn(const QString& column) {
    return column == u"mode" || column == u"masse" || column == u"unite1" || column == u"unite2" ||
           recipeWords().contains(column);
}

bool knownName(const QString& column) {
    for (const ModeRow& row : modeRows()) {
        for (const NamedBox& b : namedBoxes(row.mode)) {
            if (names(b, column)) {
                return true;
            }
        }
    }
    return false;
}

QStringList allNames() {
    QStringList names;
    for (const ModeRow& row : modeRows()) {
        for (const NamedBox& b : namedBoxes(row.mode)) {
            if (!names.contains(b.name)) {
                names << b.name;
            }
        }
    }
    return names;
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
        } else if (column == u"masse") {
            request.massUnit = massUnitNamed(cell);
        } else if (column == u"unite1") {
            request.hydrationUnit1 = hydrationUnitNamed(cell);
        } else if (column == u"unite2") {
            request.hydrationUnit2 = hydrationUnitNamed(cell);
        } else if (QString* field = recipeField(request, column)) {
            *field = cell;
        } else {
            request.inputs.emplace_back(column, cell);
        }
    }
    if (!hasMode) {
        throw UsageError(QStringLiteral("pas de mode"));
    }
    return request;
}

int batch(const QByteArray& bytes, const QLocale& locale, const Streams& io) {
    CsvReader reader(bytes);
    int line = 0;
    const auto header = reader.next(line);
    if (!header || !header->contains(QStringLiteral("mode"))) {
        throw UsageError(QStringLiteral("l'en-tête du fichier CSV doit nommer la colonne mode"));
    }
    QStringList columns;
    for (const QString& column : *header) {
        const QString name = plainWord(column);
        if (!settingColumn(name) && !knownName(column)) {
            throw UsageError(QStringLiteral("colonne inconnue « %1 » ; les colonnes sont : mode, "
                                            "masse, unite1, unite2, pieces, poids, sel, levure, "
                                            "%2")
                                 .arg(column, allNames().join(QStringLiteral(", "))));
        }
        columns << (settingColumn(name) ? name : column);
    }
    const QStringList outputs = answerColumns();
    io.out(utf8(csvRecord(*header + outputs)));

    struct Row {
        int line;
        QStringList cells;
    };
    std::vector<Row> rows;
    while (auto record = reader.next(line)) {
        if (!(record->size() == 1 && record->front().isEmpty())) {  // not a blank line
            rows.push_back({line, std::move(*record)});
        }
    }
    // Each worker has a window of its own; the rows go out in their order, block by block.
    const unsigned workers = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
    std::vector<std::unique_ptr<Calculator>> calculators;
    for (unsigned i = 0; i < workers; ++i) {
        calculators.push_back(std::make_unique<Calculator>(locale));
    }
    const auto play = [&](Calculator& calculator, std::size_t from, std::size_t to, int& bad) {
        QString out;
        for (std::size_t r = from; r < to; ++r) {
            const Row& row = rows[r];
            QStringList values;
            try {
                calculator.run(requestOf(columns, row.cells));
                values = answerValues(calculator.window());
            } catch (const UsageError& e) {
                ++bad;
                for (qsizetype i = 0; i + 1 < outputs.size(); ++i) {
                    values << QString();
                }
                values << QStringLiteral("ligne %1 : %2").arg(row.line).arg(e.message());
            }
            // The input's own cells as they came, then the answer.
            out += csvRecord(row.cells + values);
        }
        return utf8(out);
    };
    constexpr std::size_t block = 4096;
    int bad = 0;
    for (std::size_t first = 0; first < rows.size(); first += block) {
        const std::size_t last = std::min(rows.size(), first + block);
        const std::size_t share = (last - first + workers - 1) / workers;
        std::vector<std::future<QByteArray>> parts;
        std::vector<int> failures(workers, 0);
        for (unsigned i = 1; i < workers; ++i) {
            const std::size_t from = std::min(last, first + i * share);
            const std::size_t to = std::min(last, from + share);
            parts.push_back(std::async(std::launch::async, [&, i, from, to] {
                return play(*calculators[i], from, to, failures[i]);
            }));
        }
        io.out(play(*calculators[0], first, std::min(last, first + share), failures[0]));
        for (auto& part : parts) {
            io.out(part.get());
        }
        for (int f : failures) {
            bad += f;
        }
    }
    const auto rowCount = rows.size();
    if (reader.unterminated()) {
        io.err(
            utf8(QStringLiteral("fournil-calc : le fichier CSV finit dans un champ entre "
                                "guillemets\n")));
    }
    if (bad > 0) {
        io.err(utf8(QStringLiteral("fournil-calc : %1 ligne(s) en erreur sur %2\n")
                        .arg(bad)
                        .arg(rowCount)));
    }
    return answered;
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
        if (o.csv) {
            const auto bytes = io.read(*o.csv);
            if (!bytes) {
                io.err(
                    utf8(QStringLiteral("fournil-calc : impossible de lire « %1 »\n").arg(*o.csv)));
                return misused;
            }
            return batch(*bytes, locale, io);
        }
        if (!o.mode) {
            throw UsageError(
                QStringLiteral("--mode N manque ; les modes vont de 1 à 6 (voir "
                               "--help)"));
        }
        Calculator calculator(locale);
        const std::vector<Repair> repairs = calculator.run(o.request);
        for (const Repair& r : repairs) {
            io.err(utf8(QStringLiteral("fournil-calc : ") + r.line() + u'\n'));
        }
        const Window& w = calculator.window();
        switch (o.format) {
            case Format::Text:
                io.out(utf8(answerText(w) + u'\n'));
                break;
            case Format::Json:
                io.out(answerJson(w, repairs));
                break;
            case Format::Csv: {
                const QStringList settings = {QString::number(int(o.request.mode)),
                                              w.optionU(std::max<int>(1, w.UniteMasse)).caption(),
                                              hydrationUnitShown(w, 1), hydrationUnitShown(w, 2)};
                io.out(
                    utf8(csvRecord(QStringList{QStringLiteral("mode"), QStringLiteral("masse"),
                                               QStringLiteral("unite1"), QStringLiteral("unite2")} +
                                   answerColumns())));
                io.out(utf8(csvRecord(settings + answerValues(w))));
                break;
            }
        }
        return answerFailed(w) ? impossible : answered;
    } catch (const UsageError& e) {
        io.err(utf8(QStringLiteral("fournil-calc : ") + e.message() + u'\n'));
        return misused;
    }
}

}  // namespace fournil::calc

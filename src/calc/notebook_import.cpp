// --carnet-importer: every row checked and computed first, then all written in one transaction,
// so that a bad row leaves the notebook as it was.

#include "calc/batch.h"
#include "calc/csv.h"
#include "calc/notebook_command.h"
#include "notebook/notebook.h"

#include <QSet>

#include <memory>

namespace fournil::calc {
namespace {

struct Importer {
    const Notebook& notebook;
    const Options& o;
    QStringList columns;
    qsizetype nameAt, notesAt;
    QSet<QString> seen;

    NotebookEntry entry(Calculator& calculator, const CsvRecord& record) {
        if (!record.error.isEmpty()) {
            throw UsageError(record.error);
        }
        Request request = requestOf(columns, record.cells);
        request.repair = o.request.repair;
        const QString name = record.cells[nameAt].trimmed();
        if (name.isEmpty()) {
            throw UsageError(QStringLiteral("le nom est vide"));
        }
        if (seen.contains(nameKey(name))) {
            throw UsageError(QStringLiteral("« %1 » est déjà nommé plus haut").arg(name));
        }
        seen.insert(nameKey(name));
        if (!o.replace && notebook.find(name)) {
            throw UsageError(QStringLiteral("« %1 » est déjà dans le carnet (--remplacer pour le "
                                            "remplacer)")
                                 .arg(name));
        }
        calculator.run(request);
        return {name,
                notesAt < 0 ? QString() : record.cells[notesAt],
                keptCalculation(calculator.window()),
                {},
                {}};
    }
};

std::vector<NotebookEntry> readEntries(Importer& importer, CsvReader& reader,
                                       const QLocale& locale) {
    Calculator calculator(locale);
    std::vector<NotebookEntry> entries;
    while (const auto record = reader.next()) {
        if (record->error.isEmpty() && record->cells.size() == 1 && record->cells[0].isEmpty()) {
            continue;  // a blank line
        }
        try {
            entries.push_back(importer.entry(calculator, *record));
        } catch (const UsageError& e) {
            throw UsageError(QStringLiteral("ligne %1 : %2 ; rien n'est importé")
                                 .arg(record->line)
                                 .arg(e.message()));
        }
    }
    if (reader.unterminated()) {
        throw UsageError(
            QStringLiteral("le fichier CSV finit dans un champ entre guillemets ; rien n'est "
                           "importé"));
    }
    return entries;
}

}  // namespace

int importNotebook(Notebook& notebook, const Options& o, const QLocale& locale, const Streams& io) {
    QString why;
    const std::unique_ptr<Input> input = io.open(*o.importFrom, why);
    if (!input) {
        throw UsageError(QStringLiteral("impossible de lire « %1 » : %2").arg(*o.importFrom, why));
    }
    CsvReader reader(*input);
    try {
        const auto header = reader.next();
        if (!header || !header->error.isEmpty()) {
            throw UsageError(QStringLiteral("l'en-tête du fichier CSV : ") +
                             (header ? header->error : QStringLiteral("il manque")));
        }
        Importer importer{notebook, o, batchColumns(header->cells), -1, -1, {}};
        importer.nameAt = importer.columns.indexOf(QStringLiteral("nom"));
        importer.notesAt = importer.columns.indexOf(QStringLiteral("notes"));
        if (importer.nameAt < 0) {
            throw UsageError(QStringLiteral("l'en-tête du fichier CSV doit nommer la colonne nom"));
        }
        const std::vector<NotebookEntry> entries = readEntries(importer, reader, locale);
        if (const Outcome done = notebook.saveAll(entries, o.replace); !done) {
            throw UsageError(done.error + QStringLiteral(" ; rien n'est importé"));
        }
        say(io, QStringLiteral("%1 entrée(s) importée(s) dans le carnet").arg(entries.size()));
    } catch (const CsvFailure& failure) {
        throw UsageError(failure.message + QStringLiteral(" ; rien n'est importé"));
    }
    return exitStatus::answered;
}

}  // namespace fournil::calc

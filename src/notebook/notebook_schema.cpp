#include "notebook/notebook_sql.h"

#include <QSqlError>
#include <QSqlQuery>

#include <array>

namespace fournil {
namespace {

// Migration N takes the schema from version N to N + 1. Never edit a row once released: add one.
// An entry keeps the texts typed into each box the mode takes (NULL for a box it does not), and
// its recipe (NULL when it has none). The last calculation is an entry of kind 'dernier', with
// no name key, so that it is never listed nor collides with a name.
const auto migrations = std::to_array<const char*>({
    R"sql(
CREATE TABLE entries (
    id INTEGER PRIMARY KEY,
    kind TEXT NOT NULL DEFAULT 'nom' CHECK (kind IN ('nom', 'dernier')),
    name TEXT NOT NULL,
    name_key TEXT UNIQUE,
    notes TEXT NOT NULL DEFAULT '',
    mode INTEGER NOT NULL,
    masse INTEGER NOT NULL,
    unite1 INTEGER NOT NULL,
    unite2 INTEGER NOT NULL,
    q1 TEXT, h1 TEXT, h1d TEXT, q2 TEXT, h2 TEXT, h2d TEXT, ef2 TEXT,
    pieces INTEGER, sel REAL, levure REAL,
    created TEXT NOT NULL,
    modified TEXT NOT NULL,
    CHECK ((kind = 'nom') = (name_key IS NOT NULL))
);
CREATE UNIQUE INDEX one_last ON entries (kind) WHERE kind = 'dernier';
CREATE TABLE settings (key TEXT PRIMARY KEY, value TEXT NOT NULL);
)sql",
    // The base temperature's texts as typed (base, flour, bakehouse, levain); NULL when the
    // calculation was not made from one.
    R"sql(
ALTER TABLE entries ADD COLUMN base TEXT;
ALTER TABLE entries ADD COLUMN t_farine TEXT;
ALTER TABLE entries ADD COLUMN t_fournil TEXT;
ALTER TABLE entries ADD COLUMN t_levain TEXT;
)sql",
});

bool migrate(QSqlDatabase& db, int from, QString& why) {
    if (!run(db, QStringLiteral("BEGIN IMMEDIATE"), why)) {
        return false;
    }
    // Another process may have migrated while this one waited for the lock.
    QSqlQuery q(db);
    const bool done =
        q.exec(QStringLiteral("PRAGMA user_version")) && q.next() && q.value(0).toInt() > from;
    q.finish();  // a statement left open would keep the commit from ending the transaction
    if (done) {
        return run(db, QStringLiteral("COMMIT"), why);
    }
    const QStringList statements =
        QString::fromUtf8(migrations[std::size_t(from)]).split(u';', Qt::SkipEmptyParts);
    for (const QString& statement : statements) {
        if (!statement.trimmed().isEmpty() && !run(db, statement, why)) {
            QString ignored;
            run(db, QStringLiteral("ROLLBACK"), ignored);
            return false;
        }
    }
    return run(db, QStringLiteral("PRAGMA user_version = %1").arg(from + 1), why) &&
           run(db, QStringLiteral("COMMIT"), why);
}

}  // namespace

const int notebookSchemaVersion = int(migrations.size());

bool run(QSqlDatabase& db, const QString& sql, QString& why) {
    QSqlQuery q(db);
    if (!q.exec(sql)) {
        why = q.lastError().text();
        return false;
    }
    return true;
}

QString prepareSchema(QSqlDatabase& db, int version) {
    QString why;
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA journal_mode = WAL")) || !q.next() ||
        q.value(0).toString() != u"wal") {
        return q.lastError().text().isEmpty() ? QStringLiteral("le journal WAL est refusé")
                                              : q.lastError().text();
    }
    q.finish();
    for (int from = version; from < notebookSchemaVersion; ++from) {
        if (!migrate(db, from, why)) {
            return why;
        }
    }
    return {};
}

}  // namespace fournil

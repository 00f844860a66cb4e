#pragma once

// The notebook's schema and its migrations, shared by the opening and the changes.

#include <QSqlDatabase>
#include <QString>

namespace fournil {

// The version this program writes; a file whose PRAGMA user_version is higher is read only.
extern const int notebookSchemaVersion;

// Puts the file in WAL mode and runs the migrations from `version` up, each in a transaction of
// its own with the version it reaches; why it could not, or empty.
QString prepareSchema(QSqlDatabase& db, int version);

// Runs one statement; false with `why` set when it failed.
bool run(QSqlDatabase& db, const QString& sql, QString& why);

}  // namespace fournil

#pragma once

// The first value a statement gives on a notebook's file, read by a connection of its own, as
// another program would read it.

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

inline QString queryFile(const QString& path, const QString& statement) {
    QString result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("t"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(db);
        q.exec(statement);
        result = q.next() ? q.value(0).toString() : QString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("t"));
    return result;
}

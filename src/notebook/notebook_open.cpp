// Opening the notebook: the path checked, the file opened, its health and version read, its
// schema brought up to date. Every way this can fail ends in a message, never in a write to a
// file that was not the notebook's.

#include "notebook/notebook.h"
#include "notebook/notebook_sql.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>

#include <atomic>

#include <sys/stat.h>

namespace fournil {
namespace {

// What is at a path without following a link: none, a regular file, a link or anything else.
enum class Kind { None, Regular, Link, Other };

Kind kindAt(const QString& path, bool follow) {
    struct stat info {};
    const QByteArray name = QFile::encodeName(path);
    if ((follow ? ::stat(name.constData(), &info) : ::lstat(name.constData(), &info)) != 0) {
        return Kind::None;
    }
    if (S_ISLNK(info.st_mode)) {
        return Kind::Link;
    }
    return S_ISREG(info.st_mode) ? Kind::Regular : Kind::Other;
}

// Why SQLite may not write at this path: a link to anything but a regular file (or to nothing),
// or something other than a file, at the notebook's path or at its journal's. Empty when fine.
QString pathProblem(const QString& path) {
    for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        const QString file = path + suffix;
        const Kind kind = kindAt(file, false);
        if (kind == Kind::Link && kindAt(file, true) != Kind::Regular) {
            return QStringLiteral("%1 est un lien vers autre chose qu'un fichier ordinaire")
                .arg(file);
        }
        if (kind == Kind::Other) {
            return QStringLiteral("%1 n'est pas un fichier ordinaire").arg(file);
        }
    }
    return {};
}

QSqlDatabase connect(const QString& path, bool readOnly) {
    static std::atomic<int> count{0};
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                QStringLiteral("carnet-%1").arg(++count));
    db.setDatabaseName(path);
    // Two windows and a command line share the file: a writer waits for another's transaction.
    db.setConnectOptions(readOnly
                             ? QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000;QSQLITE_OPEN_READONLY")
                             : QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    db.open();
    return db;
}

void disconnect(QSqlDatabase& db) {
    const QString name = db.connectionName();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
}

// SQLite's primary result code of the last error: 11 corrupt, 26 not a database.
int errorCode(const QSqlError& error) {
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? code & 0xff : -1;
}

enum class Health { Sound, Damaged, Unreadable };

// Why a query failed, and whether that says the file is damaged: only SQLite's own verdict does
// (a busy or unreadable file is not moved aside).
Health failed(const QSqlQuery& q, QString& why) {
    const int code = errorCode(q.lastError());
    why = q.lastError().text();
    return code == 11 || code == 26 ? Health::Damaged : Health::Unreadable;
}

// The file's health and version, read before anything is written.
Health examine(QSqlDatabase& db, int& version, QString& why) {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
        return failed(q, why);
    }
    version = q.value(0).toInt();
    if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next()) {
        return failed(q, why);
    }
    return q.value(0).toString() == u"ok" ? Health::Sound : Health::Damaged;
}

// A damaged file, and its journal, moved aside beside it; the name of the file kept.
QString moveAside(const QString& path) {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = path + QStringLiteral(".endommage-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n) {
        aside = path + QStringLiteral(".endommage-%1-%2").arg(stamp).arg(n);
    }
    if (!QFile::rename(path, aside)) {
        return {};
    }
    for (const QString& suffix : {QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        if (QFileInfo::exists(path + suffix)) {
            QFile::rename(path + suffix, aside + suffix);
        }
    }
    return aside;
}

QString unusable(const QString& path, const QString& why) {
    return QStringLiteral(
               "Le carnet %1 ne peut pas être ouvert : %2. Fournil fonctionne sans "
               "carnet.")
        .arg(QDir::toNativeSeparators(path), why);
}

}  // namespace

Notebook::Opened Notebook::open(const QString& path) {
    if (const QString problem = pathProblem(path); !problem.isEmpty()) {
        return {nullptr, unusable(path, problem)};
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return {nullptr, unusable(path, QStringLiteral("son dossier ne peut pas être créé"))};
    }
    QSqlDatabase db = connect(path, false);
    int version = 0;
    QString why;
    const Health health = examine(db, version, why);
    if (health == Health::Damaged) {
        disconnect(db);
        const QString aside = moveAside(path);
        if (aside.isEmpty()) {
            return {nullptr, unusable(path, QStringLiteral("il est endommagé et ne peut pas être "
                                                           "mis de côté"))};
        }
        Opened fresh = open(path);
        const QString said =
            QStringLiteral(
                "Le carnet %1 était endommagé : il est gardé sous %2 et un nouveau "
                "carnet commence.")
                .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(aside));
        fresh.message = fresh.message.isEmpty() ? said : said + u'\n' + fresh.message;
        return fresh;
    }
    if (health == Health::Unreadable) {
        disconnect(db);
        return {nullptr, unusable(path, why)};
    }
    if (version > notebookSchemaVersion) {
        disconnect(db);
        db = connect(path, true);
        return {std::unique_ptr<Notebook>(new Notebook(db, path, true)),
                QStringLiteral("Le carnet %1 a été écrit par une version plus récente de "
                               "Fournil : il est ouvert en lecture seule.")
                    .arg(QDir::toNativeSeparators(path))};
    }
    if (const QString failed = prepareSchema(db, version); !failed.isEmpty()) {
        disconnect(db);
        return {nullptr, unusable(path, failed)};
    }
    return {std::unique_ptr<Notebook>(new Notebook(db, path, false)), {}};
}

Notebook::Notebook(QSqlDatabase db, QString path, bool readOnly)
    : db_(std::move(db)), path_(std::move(path)), readOnly_(readOnly) {}

Notebook::~Notebook() {
    disconnect(db_);
}

QString notebookPath() {
    const QString chosen = qEnvironmentVariable("FOURNIL_CARNET");
    if (!chosen.isEmpty()) {
        return chosen;
    }
    // Qt's AppDataLocation for the application "Fournil", whether or not a program named it.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Fournil/carnet.sqlite");
}

}  // namespace fournil

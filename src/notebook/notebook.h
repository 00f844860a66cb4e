#pragma once

// The baker's notebook: named calculations kept in one SQLite file that the windows and the
// command line share. Each change is one transaction; the schema carries its version
// (PRAGMA user_version) and is brought up to date by the migrations in notebook_schema.cpp.
// A file that cannot be trusted is never written: a newer schema opens read-only, a damaged
// file is moved aside, a path that leads to anything but a regular file is refused.

#include "wiring/last_calculation.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace fournil {

struct NotebookEntry {
    QString name;
    QString notes;
    KeptCalculation calculation;
    QDateTime created, modified;  // UTC, to the second
    bool operator==(const NotebookEntry&) const = default;
};

// The longest name and notes an entry keeps.
inline constexpr int maximumNameLength = 200;
inline constexpr int maximumNotesLength = 10000;

// A change refused or failed: why, in French; empty when it was made.
struct Outcome {
    QString error;
    explicit operator bool() const { return error.isEmpty(); }
};

class Notebook {
  public:
    // The notebook and what the person should be told about its opening (a file kept aside, a
    // read-only notebook), or no notebook and why.
    struct Opened {
        std::unique_ptr<Notebook> notebook;
        QString message;
    };
    static Opened open(const QString& path);

    ~Notebook();
    Notebook(const Notebook&) = delete;
    Notebook& operator=(const Notebook&) = delete;

    bool readOnly() const { return readOnly_; }
    const QString& path() const { return path_; }

    // The named entries, sorted as a French reader expects.
    std::vector<NotebookEntry> entries() const;
    // The entry of that name, compared without case.
    std::optional<NotebookEntry> find(const QString& name) const;

    // Adds the entry, or with `replace` puts it in place of the one of the same name (whose
    // creation date it keeps); refused when the name is taken and `replace` is not given.
    Outcome save(const NotebookEntry& entry, bool replace);
    // Every entry or none, in one transaction; why the first refused was, which names it.
    Outcome saveAll(const std::vector<NotebookEntry>& entries, bool replace);
    Outcome rename(const QString& name, const QString& newName);
    Outcome remove(const QString& name);

    // The last calculation of the window: an entry of its own, never listed.
    std::optional<KeptCalculation> last() const;
    Outcome setLast(const KeptCalculation& calculation);
    // A setting kept in the notebook ("" when none).
    QString setting(const QString& key) const;
    Outcome setSetting(const QString& key, const QString& value);

  private:
    Notebook(QSqlDatabase db, QString path, bool readOnly);
    Outcome change(const std::function<QString()>& work);

    QSqlDatabase db_;
    QString path_;
    bool readOnly_;
};

// Where the notebook lives: $FOURNIL_CARNET, or carnet.sqlite in Qt's AppDataLocation.
QString notebookPath();
// A name compared as the notebook compares them: case folded.
QString nameKey(const QString& name);
// A text as a search sees it: case folded, without accents ("Céréales" → "cereales").
QString searchKey(const QString& text);

}  // namespace fournil

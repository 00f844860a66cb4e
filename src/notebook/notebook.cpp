#include "notebook/notebook.h"

#include "notebook/notebook_sql.h"

#include <QCollator>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <array>

namespace fournil {
namespace {

// The column of each typed box, in the order of typedBoxNames().
const std::array<QString, 7> textColumns = {
    QStringLiteral("q1"), QStringLiteral("h1"),  QStringLiteral("h1d"), QStringLiteral("q2"),
    QStringLiteral("h2"), QStringLiteral("h2d"), QStringLiteral("ef2")};

// The base temperature's texts, in the order of BaseTerms.
const std::array<QString, 4> baseColumns = {QStringLiteral("base"), QStringLiteral("t_farine"),
                                            QStringLiteral("t_fournil"),
                                            QStringLiteral("t_levain")};

static_assert(baseColumns.size() == std::tuple_size_v<decltype(BaseTerms::texts)>);

const QString calculationColumns = QStringLiteral(
    "mode, masse, unite1, unite2, q1, h1, h1d, q2, h2, h2d, ef2, pieces, sel, "
    "levure, base, t_farine, t_fournil, t_levain");
const QString entryColumns =
    QStringLiteral("name, notes, created, modified, ") + calculationColumns;

QString dateText(const QDateTime& date) {
    return date.toUTC().toString(Qt::ISODate);
}

QDateTime now() {
    const QDateTime t = QDateTime::currentDateTimeUtc();
    return t.addMSecs(-t.time().msec());
}

// Binds the calculation's values to the placeholders :mode … :levure.
void bindCalculation(QSqlQuery& q, const KeptCalculation& c) {
    q.bindValue(QStringLiteral(":mode"), c.mode);
    q.bindValue(QStringLiteral(":masse"), c.massUnit);
    q.bindValue(QStringLiteral(":unite1"), c.unit1);
    q.bindValue(QStringLiteral(":unite2"), c.unit2);
    for (std::size_t i = 0; i < textColumns.size(); ++i) {
        QVariant text;  // NULL: a box the mode does not take
        for (const auto& [box, typed] : c.texts) {
            if (box == typedBoxNames()[qsizetype(i)]) {
                text = typed;
            }
        }
        q.bindValue(u':' + textColumns[i], text);
    }
    const auto& r = c.recipe;
    q.bindValue(QStringLiteral(":pieces"), r ? QVariant(r->pieces) : QVariant());
    q.bindValue(QStringLiteral(":sel"), r ? QVariant(r->salt) : QVariant());
    q.bindValue(QStringLiteral(":levure"), r ? QVariant(r->yeast) : QVariant());
    for (std::size_t i = 0; i < baseColumns.size(); ++i) {
        q.bindValue(u':' + baseColumns[i], c.base ? QVariant(c.base->texts[i]) : QVariant());
    }
}

// A row selected with entryColumns, whose calculation starts at the fifth column; by position, as
// a name looked up for each value of 10,000 rows would double the list's opening.
KeptCalculation calculationOf(const QSqlQuery& q) {
    constexpr int at = 4, texts = at + 4, recipe = texts + int(textColumns.size()),
                  base = recipe + 3;
    KeptCalculation c{q.value(at).toInt(),
                      q.value(at + 1).toInt(),
                      q.value(at + 2).toInt(),
                      q.value(at + 3).toInt(),
                      {},
                      std::nullopt,
                      std::nullopt};
    for (int i = 0; i < int(textColumns.size()); ++i) {
        if (const QVariant text = q.value(texts + i); !text.isNull()) {
            c.texts.emplace_back(typedBoxNames()[i], text.toString());
        }
    }
    if (!q.value(recipe).isNull()) {
        c.recipe = RecipeInputs{q.value(recipe).toInt(), q.value(recipe + 1).toDouble(),
                                q.value(recipe + 2).toDouble()};
    }
    if (!q.value(base).isNull()) {
        c.base.emplace();
        for (int i = 0; i < int(baseColumns.size()); ++i) {
            c.base->texts[std::size_t(i)] = q.value(base + i).toString();
        }
    }
    return c;
}

NotebookEntry entryOf(const QSqlQuery& q) {
    return {q.value(0).toString(), q.value(1).toString(), calculationOf(q),
            QDateTime::fromString(q.value(2).toString(), Qt::ISODate),
            QDateTime::fromString(q.value(3).toString(), Qt::ISODate)};
}

QString placeholders(const QString& columns) {
    QStringList names = columns.split(QStringLiteral(", "));
    for (QString& name : names) {
        name.prepend(u':');
    }
    return names.join(QStringLiteral(", "));
}

QString failed(const QSqlQuery& q) {
    return QStringLiteral("écriture impossible dans le carnet : ") + q.lastError().text();
}

// One entry written into the transaction that is open; why not, or empty.
QString write(QSqlDatabase& db, const NotebookEntry& e, bool replace) {
    const QString key = nameKey(e.name);
    if (key.trimmed().isEmpty()) {
        return QStringLiteral("un nom ne peut pas être vide");
    }
    // A name is read in a list and in messages, notes beside it: a page of text at most.
    if (e.name.size() > maximumNameLength || e.notes.size() > maximumNotesLength) {
        return QStringLiteral("un nom a au plus %1 caractères et des notes au plus %2")
            .arg(maximumNameLength)
            .arg(maximumNotesLength);
    }
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT created FROM entries WHERE name_key = ?"));
    q.addBindValue(key);
    if (!q.exec()) {
        return failed(q);
    }
    const bool taken = q.next();
    if (taken && !replace) {
        return QStringLiteral("le nom « %1 » est déjà dans le carnet").arg(e.name);
    }
    const QString created =
        taken ? q.value(0).toString() : dateText(e.created.isValid() ? e.created : now());
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO entries (name_key, %1) VALUES (:key, %2)")
                  .arg(entryColumns, placeholders(entryColumns)));
    q.bindValue(QStringLiteral(":key"), key);
    q.bindValue(QStringLiteral(":name"), e.name);
    q.bindValue(QStringLiteral(":notes"), e.notes);
    q.bindValue(QStringLiteral(":created"), created);
    q.bindValue(QStringLiteral(":modified"), dateText(e.modified.isValid() ? e.modified : now()));
    bindCalculation(q, e.calculation);
    return q.exec() ? QString() : failed(q);
}

}  // namespace

QString nameKey(const QString& name) {
    return name.trimmed().toCaseFolded();
}

QString searchKey(const QString& text) {
    QString plain;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing) {
            plain += c;
        }
    }
    return plain.toCaseFolded();
}

Outcome Notebook::change(const std::function<QString()>& work) {
    if (readOnly_) {
        return {QStringLiteral("le carnet est ouvert en lecture seule")};
    }
    QString why;
    if (!run(db_, QStringLiteral("BEGIN IMMEDIATE"), why)) {
        return {QStringLiteral("le carnet est occupé ou ne peut pas être écrit : ") + why};
    }
    why = work();
    if (why.isEmpty() && run(db_, QStringLiteral("COMMIT"), why)) {
        return {};
    }
    QString ignored;
    run(db_, QStringLiteral("ROLLBACK"), ignored);
    return {why};
}

std::vector<NotebookEntry> Notebook::entries() const {
    QSqlQuery q(db_);
    q.setForwardOnly(true);  // read once, row after row: nothing cached behind
    q.exec(QStringLiteral("SELECT %1 FROM entries WHERE kind = 'nom'").arg(entryColumns));
    std::vector<NotebookEntry> all;
    while (q.next()) {
        all.push_back(entryOf(q));
    }
    QCollator french{QLocale(QLocale::French, QLocale::France)};
    french.setCaseSensitivity(Qt::CaseInsensitive);
    french.setNumericMode(true);
    // Sort keys made once, rather than a collation at each of the sort's comparisons.
    std::vector<std::pair<QCollatorSortKey, std::size_t>> keys;
    keys.reserve(all.size());
    for (std::size_t i = 0; i < all.size(); ++i) {
        keys.emplace_back(french.sortKey(all[i].name), i);
    }
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
    std::vector<NotebookEntry> sorted;
    sorted.reserve(all.size());
    for (const auto& key : keys) {
        sorted.push_back(std::move(all[key.second]));
    }
    all = std::move(sorted);
    return all;
}

std::optional<NotebookEntry> Notebook::find(const QString& name) const {
    QSqlQuery q(db_);
    q.prepare(QStringLiteral("SELECT %1 FROM entries WHERE name_key = ?").arg(entryColumns));
    q.addBindValue(nameKey(name));
    if (q.exec() && q.next()) {
        return entryOf(q);
    }
    return std::nullopt;
}

Outcome Notebook::save(const NotebookEntry& entry, bool replace) {
    return change([&] { return write(db_, entry, replace); });
}

Outcome Notebook::saveAll(const std::vector<NotebookEntry>& entries, bool replace) {
    return change([&] {
        for (const NotebookEntry& entry : entries) {
            if (QString why = write(db_, entry, replace); !why.isEmpty()) {
                return why;
            }
        }
        return QString();
    });
}

Outcome Notebook::rename(const QString& name, const QString& newName) {
    return change([&]() -> QString {
        std::optional<NotebookEntry> entry = find(name);
        if (!entry) {
            return QStringLiteral("« %1 » n'est pas dans le carnet").arg(name);
        }
        if (nameKey(newName) != nameKey(name) && find(newName)) {
            return QStringLiteral("le nom « %1 » est déjà dans le carnet").arg(newName);
        }
        QSqlQuery q(db_);
        q.prepare(
            QStringLiteral("UPDATE entries SET name = ?, name_key = ?, modified = ? "
                           "WHERE name_key = ?"));
        for (const QVariant& v : {QVariant(newName), QVariant(nameKey(newName)),
                                  QVariant(dateText(now())), QVariant(nameKey(name))}) {
            q.addBindValue(v);
        }
        return nameKey(newName).isEmpty() ? QStringLiteral("un nom ne peut pas être vide")
               : q.exec()                 ? QString()
                                          : failed(q);
    });
}

Outcome Notebook::remove(const QString& name) {
    return change([&] {
        QSqlQuery q(db_);
        q.prepare(QStringLiteral("DELETE FROM entries WHERE name_key = ?"));
        q.addBindValue(nameKey(name));
        return q.exec() ? QString() : failed(q);
    });
}

std::optional<KeptCalculation> Notebook::last() const {
    QSqlQuery q(db_);
    q.exec(QStringLiteral("SELECT %1 FROM entries WHERE kind = 'dernier'").arg(entryColumns));
    return q.next() ? std::optional(calculationOf(q)) : std::nullopt;
}

Outcome Notebook::setLast(const KeptCalculation& calculation) {
    return change([&] {
        QSqlQuery q(db_);
        q.prepare(QStringLiteral("INSERT OR REPLACE INTO entries (kind, name, created, modified, "
                                 "%1) VALUES ('dernier', '', :created, :modified, %2)")
                      .arg(calculationColumns, placeholders(calculationColumns)));
        q.bindValue(QStringLiteral(":created"), dateText(now()));
        q.bindValue(QStringLiteral(":modified"), dateText(now()));
        bindCalculation(q, calculation);
        return q.exec() ? QString() : failed(q);
    });
}

QString Notebook::setting(const QString& key) const {
    QSqlQuery q(db_);
    q.prepare(QStringLiteral("SELECT value FROM settings WHERE key = ?"));
    q.addBindValue(key);
    return q.exec() && q.next() ? q.value(0).toString() : QString();
}

Outcome Notebook::setSetting(const QString& key, const QString& value) {
    return change([&] {
        QSqlQuery q(db_);
        q.prepare(QStringLiteral("INSERT OR REPLACE INTO settings (key, value) VALUES (?, ?)"));
        q.addBindValue(key);
        q.addBindValue(value);
        return q.exec() ? QString() : failed(q);
    });
}

}  // namespace fournil

// The notebook on real SQLite files in a temporary folder: what it keeps, and every way its file
// can be untrustworthy.

#include "notebook/notebook.h"
#include "notebook/sqlite_query.h"
#include "qstring_printer.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

namespace fournil {
namespace {

NotebookEntry campagne() {
    KeptCalculation c{
        6,
        1,
        2,
        5,
        {{QStringLiteral("Q1"), QStringLiteral("1200")},
         {QStringLiteral("H1"), QStringLiteral("70,5")},
         {QStringLiteral("Q2"), QStringLiteral("150")},
         {QStringLiteral("H2"), QStringLiteral("100")}},
        RecipeInputs{6, 1.8, 0.25},
        BaseTerms{{QStringLiteral("75"), QStringLiteral("20,5"), QStringLiteral("22"), QString()}}};
    return {QStringLiteral("Pain aux céréales"), QStringLiteral("Levain du matin\nsur deux lignes"),
            c, QDateTime(QDate(2026, 3, 1), QTime(6, 30), Qt::UTC),
            QDateTime(QDate(2026, 3, 2), QTime(7, 45, 12), Qt::UTC)};
}

QString sql(const QString& path, const QString& statement) {
    return queryFile(path, statement);
}

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class NotebookTest : public testing::Test {
  protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("carnet.sqlite"));
};

TEST_F(NotebookTest, KeepsEveryFieldOfAnEntryAndTheLastCalculation) {
    const NotebookEntry entry = campagne();
    KeptCalculation last{1, 2, 4, 8, {{QStringLiteral("Q1"), QStringLiteral("3,5")}}, {}, {}};
    {
        auto opened = Notebook::open(path);
        ASSERT_TRUE(opened.notebook) << opened.message.toStdString();
        EXPECT_TRUE(opened.message.isEmpty());
        ASSERT_TRUE(opened.notebook->save(entry, false));
        ASSERT_TRUE(opened.notebook->setLast(last));
    }
    auto reopened = Notebook::open(path);
    ASSERT_TRUE(reopened.notebook);
    EXPECT_EQ(reopened.notebook->find(QStringLiteral("PAIN AUX CÉRÉALES")), entry);
    EXPECT_EQ(reopened.notebook->last(), last);
    // The last calculation is never listed among the named ones.
    ASSERT_EQ(reopened.notebook->entries().size(), 1u);
    EXPECT_EQ(sql(path, QStringLiteral("PRAGMA journal_mode")), u"wal");
    EXPECT_EQ(sql(path, QStringLiteral("PRAGMA user_version")), u"2");
}

TEST_F(NotebookTest, NamesAreUniqueWithoutCaseAndSortedAsInFrench) {
    auto nb = Notebook::open(path).notebook;
    ASSERT_TRUE(nb);
    NotebookEntry e = campagne();
    for (const char16_t* name : {u"Épeautre", u"baguette", u"Pain 10", u"Pain 9", u"Campagne"}) {
        e.name = QString::fromUtf16(name);
        ASSERT_TRUE(nb->save(e, false));
    }
    e.name = QStringLiteral("BAGUETTE");
    EXPECT_FALSE(nb->save(e, false));
    e.notes = QStringLiteral("remplacée");
    e.created = QDateTime::currentDateTimeUtc();
    ASSERT_TRUE(nb->save(e, true));
    QStringList names;
    for (const NotebookEntry& entry : nb->entries()) {
        names << entry.name;
    }
    EXPECT_EQ(names.join(u'|'), u"BAGUETTE|Campagne|Épeautre|Pain 9|Pain 10");
    // Replacing keeps the first creation date.
    EXPECT_EQ(nb->find(QStringLiteral("baguette"))->created, campagne().created);
    EXPECT_FALSE(nb->rename(QStringLiteral("Campagne"), QStringLiteral("épeautre")));
    EXPECT_TRUE(nb->rename(QStringLiteral("Campagne"), QStringLiteral("Grand campagne")));
    EXPECT_TRUE(nb->remove(QStringLiteral("pain 9")));
    EXPECT_EQ(nb->entries().size(), 4u);
}

TEST_F(NotebookTest, AllOrNothing) {
    auto nb = Notebook::open(path).notebook;
    ASSERT_TRUE(nb);
    std::vector<NotebookEntry> rows(3, campagne());
    rows[0].name = QStringLiteral("Un");
    rows[1].name = QStringLiteral("Deux");
    rows[2].name = QStringLiteral("un");  // the first one's name again
    const Outcome refused = nb->saveAll(rows, false);
    EXPECT_TRUE(refused.error.contains(u"« un »")) << refused.error.toStdString();
    EXPECT_TRUE(nb->entries().empty());
    rows[2].name = QString(maximumNameLength + 1, u'x');
    EXPECT_TRUE(nb->saveAll(rows, false).error.contains(u"au plus")) << "a name too long";
    rows[2].name = QStringLiteral("Trois");
    rows[2].notes = QString(maximumNotesLength + 1, u'x');
    EXPECT_TRUE(nb->saveAll(rows, false).error.contains(u"au plus")) << "notes too long";
    EXPECT_TRUE(nb->entries().empty());
    rows[2].notes = QString(maximumNotesLength, u'x');
    EXPECT_TRUE(nb->saveAll(rows, false));
    EXPECT_EQ(nb->entries().size(), 3u);
}

TEST(SearchKey, IgnoresCaseAndAccents) {
    EXPECT_EQ(searchKey(QStringLiteral("Pain aux CÉRÉALES, œuf")), u"pain aux cereales, œuf");
}

// A file the notebook cannot trust, made by `make` in the folder; what opening it gives.
struct Untrusted {
    const char* name;
    std::function<QString(const QTemporaryDir&)> make;  // the notebook's path
    bool opens;
    bool readOnly;
    const char16_t* said;  // in the message
};

QString linkTo(const QTemporaryDir& dir, const QString& target) {
    const QString path = dir.filePath(QStringLiteral("carnet.sqlite"));
    EXPECT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()),
              0);
    return path;
}

QString withContent(const QTemporaryDir& dir, const QByteArray& bytes) {
    QFile f(dir.filePath(QStringLiteral("carnet.sqlite")));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return f.fileName();
}

const Untrusted untrusted[] = {
    {"newer_schema",
     [](const QTemporaryDir& d) {
         const QString p = d.filePath(QStringLiteral("carnet.sqlite"));
         sql(p, QStringLiteral("PRAGMA user_version = 99"));
         return p;
     },
     true, true, u"plus récente"},
    {"damaged", [](const QTemporaryDir& d) { return withContent(d, QByteArray(8192, 'x')); }, true,
     false, u"endommagé"},
    {"link_to_a_device",
     [](const QTemporaryDir& d) { return linkTo(d, QStringLiteral("/dev/null")); }, false, false,
     u"autre chose qu'un fichier ordinaire"},
    {"link_to_a_folder", [](const QTemporaryDir& d) { return linkTo(d, d.path()); }, false, false,
     u"autre chose qu'un fichier ordinaire"},
    {"link_to_nothing",
     [](const QTemporaryDir& d) { return linkTo(d, d.filePath(QStringLiteral("absent"))); }, false,
     false, u"autre chose qu'un fichier ordinaire"},
    {"folder_at_its_path",
     [](const QTemporaryDir& d) {
         QDir(d.path()).mkdir(QStringLiteral("carnet.sqlite"));
         return d.filePath(QStringLiteral("carnet.sqlite"));
     },
     false, false, u"n'est pas un fichier ordinaire"},
    {"folder_that_cannot_be_made",
     [](const QTemporaryDir& d) {
         withContent(d, "a file where the folder should be");
         return d.filePath(QStringLiteral("carnet.sqlite/sous/carnet.sqlite"));
     },
     false, false, u"son dossier ne peut pas être créé"},
};

class UntrustedFile : public testing::TestWithParam<Untrusted> {};

TEST_P(UntrustedFile, IsNeverWrittenAndSaysWhy) {
    const Untrusted& c = GetParam();
    QTemporaryDir dir;
    const QString path = c.make(dir);
    const QByteArray before = bytesOf(path);
    const auto opened = Notebook::open(path);
    EXPECT_TRUE(opened.message.contains(QString::fromUtf16(c.said)))
        << opened.message.toStdString();
    ASSERT_EQ(bool(opened.notebook), c.opens) << opened.message.toStdString();
    if (!opened.notebook) {
        EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("absent"))));
        EXPECT_EQ(bytesOf(path), before);
        return;
    }
    EXPECT_EQ(opened.notebook->readOnly(), c.readOnly);
    EXPECT_EQ(bool(opened.notebook->save(campagne(), false)), !c.readOnly);
    if (c.readOnly) {
        EXPECT_EQ(bytesOf(path), before);
    } else {
        // The damaged file is kept beside the new notebook, byte for byte.
        const QStringList aside = QDir(dir.path()).entryList({QStringLiteral("*.endommage-*")});
        ASSERT_EQ(aside.size(), 1);
        EXPECT_EQ(bytesOf(dir.filePath(aside.front())), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Notebook, UntrustedFile, testing::ValuesIn(untrusted),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(UnwritableFolder, GivesAMessage) {
    QTemporaryDir dir;
    ::chmod(QFile::encodeName(dir.path()).constData(), 0555);
    // Root writes into any folder of its own, but not into /proc's.
    const QString folder = ::geteuid() == 0 ? QStringLiteral("/proc/self") : dir.path();
    const auto opened = Notebook::open(folder + QStringLiteral("/carnet.sqlite"));
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    EXPECT_FALSE(opened.notebook);
    EXPECT_TRUE(opened.message.contains(u"ne peut pas être ouvert"))
        << opened.message.toStdString();
}

// A notebook written by the first released schema: its entries stay, and it takes the base
// temperature's terms from then on.
TEST_F(NotebookTest, AFirstVersionFileIsBroughtUpToDate) {
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("v1"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        for (const char* statement :
             {"CREATE TABLE entries (id INTEGER PRIMARY KEY, kind TEXT NOT NULL DEFAULT 'nom',"
              " name TEXT NOT NULL, name_key TEXT UNIQUE, notes TEXT NOT NULL DEFAULT '',"
              " mode INTEGER NOT NULL, masse INTEGER NOT NULL, unite1 INTEGER NOT NULL,"
              " unite2 INTEGER NOT NULL, q1 TEXT, h1 TEXT, h1d TEXT, q2 TEXT, h2 TEXT,"
              " h2d TEXT, ef2 TEXT, pieces INTEGER, sel REAL, levure REAL,"
              " created TEXT NOT NULL, modified TEXT NOT NULL)",
              "CREATE TABLE settings (key TEXT PRIMARY KEY, value TEXT NOT NULL)",
              "INSERT INTO entries (name, name_key, mode, masse, unite1, unite2, q1, h1,"
              " created, modified) VALUES ('Baguette', 'baguette', 1, 1, 2, 5, '1200', '68',"
              " '2026-03-01T06:30:00Z', '2026-03-01T06:30:00Z')",
              "PRAGMA user_version = 1"}) {
            ASSERT_TRUE(q.exec(QString::fromLatin1(statement))) << statement;
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("v1"));

    auto opened = Notebook::open(path);
    ASSERT_TRUE(opened.notebook) << opened.message.toStdString();
    EXPECT_FALSE(opened.notebook->readOnly());
    const auto baguette = opened.notebook->find(QStringLiteral("baguette"));
    ASSERT_TRUE(baguette);
    EXPECT_EQ(baguette->calculation.texts.size(), 2u);
    EXPECT_FALSE(baguette->calculation.base);
    EXPECT_TRUE(opened.notebook->save(campagne(), false));
    EXPECT_EQ(opened.notebook->find(campagne().name)->calculation.base,
              campagne().calculation.base);
    EXPECT_EQ(sql(path, QStringLiteral("PRAGMA user_version")), u"2");
}

TEST(LinkToARegularFile, IsFollowed) {
    QTemporaryDir dir;
    ASSERT_TRUE(Notebook::open(dir.filePath(QStringLiteral("vrai.sqlite"))).notebook);
    const QString path = linkTo(dir, dir.filePath(QStringLiteral("vrai.sqlite")));
    const auto opened = Notebook::open(path);
    ASSERT_TRUE(opened.notebook) << opened.message.toStdString();
    EXPECT_TRUE(opened.notebook->save(campagne(), false));
}

}  // namespace
}  // namespace fournil

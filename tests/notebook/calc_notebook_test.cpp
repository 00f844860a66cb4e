// fournil-calc and the notebook, through the real program on a real file: imports that are all
// or nothing even when killed or run side by side, and an export that comes back identical.

#include "notebook/notebook_sql.h"
#include "notebook/sqlite_query.h"
#include "qstring_printer.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

namespace {

struct Ran {
    int status;
    QString out, err;
};

class CalcNotebook : public testing::Test {
  protected:
    QTemporaryDir dir;
    QString notebook = dir.filePath(QStringLiteral("carnet.sqlite"));

    QProcess* start(const QStringList& arguments, const QByteArray& input = {}) {
        auto* p = new QProcess;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("FOURNIL_CARNET"), notebook);
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        p->setProcessEnvironment(env);
        p->start(QStringLiteral(FOURNIL_CALC), arguments);
        p->waitForStarted();
        p->write(input);
        p->closeWriteChannel();
        return p;
    }
    Ran calc(const QStringList& arguments, const QByteArray& input = {}) {
        std::unique_ptr<QProcess> p(start(arguments, input));
        p->waitForFinished(120000);
        return {p->exitCode(), QString::fromUtf8(p->readAllStandardOutput()),
                QString::fromUtf8(p->readAllStandardError())};
    }
    QString query(const QString& statement) { return queryFile(notebook, statement); }
    // Imported into an empty notebook and exported again: the same bytes.
    void exportedAgainFromAnEmptyNotebook(const QString& exported) {
        notebook = dir.filePath(QStringLiteral("autre.sqlite"));
        ASSERT_EQ(
            calc({QStringLiteral("--carnet-importer"), QStringLiteral("-")}, exported.toUtf8())
                .status,
            0);
        EXPECT_EQ(calc({QStringLiteral("--carnet-exporter")}).out, exported);
    }
    void importThreeDoughs() {
        const Ran r = calc({QStringLiteral("--carnet-importer"), QStringLiteral("-")}, threeDoughs);
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
    }

    const QByteArray threeDoughs =
        "nom,notes,mode,unite2,pate,hydratation,levain,hydratation-levain,pieces,poids,sel\n"
        "Baguette,\"T65, pointage 1 h\",1,,1200,68,,,,,\n"
        "Campagne,levain liquide,6,farine,,72,200,100,4,450,2\n"
        "Pain de mie,,1,,900,60,,,,,\n";
};

QStringList rows(const QString& csv) {
    return csv.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

TEST_F(CalcNotebook, ImportsListsComputesAndExportsIdentically) {
    importThreeDoughs();
    EXPECT_EQ(calc({QStringLiteral("--carnet")}).out, u"Baguette\nCampagne\nPain de mie\n");
    const Ran exported = calc({QStringLiteral("--carnet-exporter")});
    ASSERT_EQ(exported.status, 0) << exported.err.toStdString();
    ASSERT_EQ(rows(exported.out).size(), 4);

    // The export is a batch: its Campagne row answers as --carnet Campagne does.
    const Ran batch = calc({QStringLiteral("--csv"), QStringLiteral("-")}, exported.out.toUtf8());
    ASSERT_EQ(batch.status, 0) << batch.err.toStdString();
    const Ran one = calc({QStringLiteral("--carnet"), QStringLiteral("campagne"),
                          QStringLiteral("--format"), QStringLiteral("csv")});
    ASSERT_EQ(one.status, 0) << one.err.toStdString();
    const QString answer = rows(one.out)[1].section(u',', 8);  // after the settings and the base
    EXPECT_TRUE(rows(batch.out)[2].endsWith(answer)) << batch.out.toStdString() << "\n"
                                                     << one.out.toStdString();
    EXPECT_TRUE(answer.contains(u",4,450,"))
        << answer.toStdString();  // the recipe's pieces and weight

    exportedAgainFromAnEmptyNotebook(exported.out);
}

// An entry made from a base temperature keeps its terms: computed, exported and imported again.
TEST_F(CalcNotebook, AnEntryKeepsItsBaseTemperature) {
    const QByteArray morning =
        "nom,mode,base,t_farine,t_fournil,eau,temperature-chaude,temperature-froide\n"
        "Eau du matin,3,54,20,22,1000,60,10\n";
    ASSERT_EQ(calc({QStringLiteral("--carnet-importer"), QStringLiteral("-")}, morning).status, 0);
    const Ran one = calc({QStringLiteral("--carnet"), QStringLiteral("eau du matin"),
                          QStringLiteral("--format"), QStringLiteral("csv")});
    ASSERT_EQ(one.status, 0) << one.err.toStdString();
    EXPECT_TRUE(rows(one.out)[0].startsWith(u"mode,masse,unite1,unite2,base,t_farine,t_fournil,"))
        << one.out.toStdString();
    EXPECT_TRUE(rows(one.out)[1].startsWith(u"3,gr,,,54,20,22,,1000,12,,40,"))
        << one.out.toStdString();
    const Ran exported = calc({QStringLiteral("--carnet-exporter")});
    ASSERT_EQ(exported.status, 0) << exported.err.toStdString();
    EXPECT_TRUE(exported.out.contains(u",base,t_farine,t_fournil,t_levain,"));
    EXPECT_TRUE(exported.out.contains(u",54,20,22,,")) << exported.out.toStdString();
    exportedAgainFromAnEmptyNotebook(exported.out);
}

// An entry this version cannot replay (a mode or unit another Fournil wrote) is refused by name,
// computed or exported, and never played.
TEST_F(CalcNotebook, AnEntryItCannotReplayIsRefusedByName) {
    importThreeDoughs();
    for (const char* change : {"mode = 9", "unite2 = 0", "masse = -1"}) {
        SCOPED_TRACE(change);
        query(QStringLiteral("UPDATE entries SET %1 WHERE name = 'Baguette'")
                  .arg(QString::fromLatin1(change)));
        for (const QStringList& arguments :
             {QStringList{QStringLiteral("--carnet"), QStringLiteral("Baguette")},
              QStringList{QStringLiteral("--carnet-exporter")}}) {
            const Ran r = calc(arguments);
            EXPECT_EQ(r.status, 2) << r.out.toStdString();
            EXPECT_TRUE(r.err.contains(u"« Baguette » n'est pas un calcul que cette version"))
                << r.err.toStdString();
        }
        query(
            QStringLiteral("UPDATE entries SET mode = 1, unite2 = 5, masse = 1 WHERE name = "
                           "'Baguette'"));
    }
}

TEST_F(CalcNotebook, ARecipeOptionChangesTheEntrysRecipe) {
    importThreeDoughs();
    const Ran r =
        calc({QStringLiteral("--carnet"), QStringLiteral("Campagne"), QStringLiteral("--pieces"),
              QStringLiteral("8"), QStringLiteral("--format"), QStringLiteral("csv")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(u",8,450,")) << r.out.toStdString();
}

struct Refused {
    const char* name;
    QByteArray rows;  // after the header of the three doughs
    QStringList options;
    const char16_t* said;
};

class RefusedImport : public CalcNotebook, public testing::WithParamInterface<Refused> {};

TEST_P(RefusedImport, LeavesTheNotebookAsItWas) {
    importThreeDoughs();
    const QString before = calc({QStringLiteral("--carnet-exporter")}).out;
    const QByteArray header = threeDoughs.left(threeDoughs.indexOf('\n') + 1);
    const Ran r = calc(
        QStringList{QStringLiteral("--carnet-importer"), QStringLiteral("-")} + GetParam().options,
        header + GetParam().rows);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains(QString::fromUtf16(GetParam().said))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(u"rien n'est importé")) << r.err.toStdString();
    EXPECT_EQ(calc({QStringLiteral("--carnet-exporter")}).out, before);
}

const Refused refused[] = {
    {"unknown_mode", "Nouveau,,1,,500,70,,,,,\nFaux,,9,,500,70,,,,,\n", {}, u"ligne 3 : "},
    {"name_twice", "Seigle,,1,,500,70,,,,,\nSEIGLE,,1,,600,70,,,,,\n", {}, u"ligne 3 : "},
    {"name_in_the_notebook",
     "Seigle,,1,,500,70,,,,,\nbaguette,,1,,600,70,,,,,\n",
     {},
     u"--remplacer"},
    {"empty_name", " ,,1,,500,70,,,,,\n", {}, u"ligne 2 : le nom est vide"},
    {"refused_value", "Seigle,,1,,5x0,70,,,,,\n", {}, u"ligne 2 : "},
    {"missing_weight", "Seigle,,1,,500,70,,,4,,\n", {}, u"--poids manque"},
    {"cut_short", "Seigle,\"jamais fermé,1,,500,70,,,,,\n", {}, u"ligne 2 : "},
};

INSTANTIATE_TEST_SUITE_P(Notebook, RefusedImport, testing::ValuesIn(refused),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalcNotebook, ReplacesOnlyWhenAsked) {
    importThreeDoughs();
    const QByteArray again = "nom,mode,pate,hydratation\nbaguette,1,2000,65\n";
    EXPECT_EQ(calc({QStringLiteral("--carnet-importer"), QStringLiteral("-")}, again).status, 2);
    EXPECT_EQ(calc({QStringLiteral("--carnet-importer"), QStringLiteral("-"),
                    QStringLiteral("--remplacer")},
                   again)
                  .status,
              0);
    EXPECT_TRUE(
        calc({QStringLiteral("--carnet"), QStringLiteral("Baguette")}).out.contains(u"2000"));
    EXPECT_EQ(calc({QStringLiteral("--carnet")}).out, u"baguette\nCampagne\nPain de mie\n");
}

TEST_F(CalcNotebook, AnUnknownNameGivesTheNearest) {
    importThreeDoughs();
    const Ran r = calc({QStringLiteral("--carnet"), QStringLiteral("Campgne")});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(
        r.err.contains(u"« Campgne » n'est pas dans le carnet ; les noms les plus "
                       u"proches : Campagne, "))
        << r.err.toStdString();
}

QByteArray manyRows(const char* prefix, int count) {
    QByteArray csv = "nom,mode,pate,hydratation\n";
    for (int i = 0; i < count; ++i) {
        csv += prefix + QByteArray::number(i) + ",1," + QByteArray::number(500 + i) + ",70\n";
    }
    return csv;
}

TEST_F(CalcNotebook, TwoImportsAtOnceKeepEveryEntry) {
    importThreeDoughs();
    std::unique_ptr<QProcess> a(
        start({QStringLiteral("--carnet-importer"), QStringLiteral("-")}, manyRows("A", 300)));
    std::unique_ptr<QProcess> b(
        start({QStringLiteral("--carnet-importer"), QStringLiteral("-")}, manyRows("B", 300)));
    ASSERT_TRUE(a->waitForFinished(120000) && b->waitForFinished(120000));
    EXPECT_EQ(a->exitCode(), 0) << a->readAllStandardError().toStdString();
    EXPECT_EQ(b->exitCode(), 0) << b->readAllStandardError().toStdString();
    EXPECT_EQ(query(QStringLiteral("SELECT count(*) FROM entries WHERE kind = 'nom'")), u"603");
}

TEST_F(CalcNotebook, AKilledImportLeavesNoneOrAll) {
    constexpr int count = 10000;
    const QByteArray rows = manyRows("K", count);
    // The time of a whole import, to kill others while they read, compute and write.
    notebook = dir.filePath(QStringLiteral("mesure.sqlite"));
    QElapsedTimer clock;
    clock.start();
    ASSERT_EQ(calc({QStringLiteral("--carnet-importer"), QStringLiteral("-")}, rows).status, 0);
    const qint64 whole = clock.elapsed();
    for (const double fraction : {0.3, 0.8, 0.9, 0.95}) {
        SCOPED_TRACE(fraction);
        notebook = dir.filePath(QStringLiteral("tue-%1.sqlite").arg(fraction));
        importThreeDoughs();
        std::unique_ptr<QProcess> p(
            start({QStringLiteral("--carnet-importer"), QStringLiteral("-")}, rows));
        // An import that ended first has no process left: its id is 0 then, and kill(0) would
        // kill this test's own process group.
        if (!p->waitForFinished(int(double(whole) * fraction)) && p->processId() > 0) {
            ::kill(pid_t(p->processId()), SIGKILL);
        }
        p->waitForFinished();
        EXPECT_EQ(query(QStringLiteral("PRAGMA integrity_check")), u"ok");
        EXPECT_EQ(query(QStringLiteral("PRAGMA journal_mode")), u"wal");
        EXPECT_EQ(query(QStringLiteral("PRAGMA user_version")),
                  QString::number(fournil::notebookSchemaVersion));
        const int kept =
            query(QStringLiteral("SELECT count(*) FROM entries WHERE kind = 'nom'")).toInt();
        EXPECT_TRUE(kept == 3 || kept == 3 + count) << kept;
    }
}

}  // namespace

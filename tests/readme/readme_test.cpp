// The README's command-line examples, run: each `$ COMMAND` goes through `sh -c` in a scratch
// folder with the built fournil-calc first on the PATH, and its standard output must be the lines
// the README shows under it, line for line. Every command must exit 0; an example that shows a
// failure states its status in what it prints (`...; echo $?`).
#include "readme_examples.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace {

QString readmePath;
QString binDir;

QString sectionHeading() {
    return QStringLiteral("## On the command line");
}

// The same answers on every machine: C.UTF-8 unless the example sets its own locale.
QProcessEnvironment exampleEnvironment() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QStringList names = environment.keys();
    for (const QString& name : names) {
        if (name == QStringLiteral("LANG") || name == QStringLiteral("LANGUAGE") ||
            name.startsWith(QStringLiteral("LC_"))) {
            environment.remove(name);
        }
    }
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    environment.insert(QStringLiteral("PATH"), QDir::toNativeSeparators(binDir) +
                                                   QDir::listSeparator() +
                                                   environment.value(QStringLiteral("PATH")));
    return environment;
}

QString shownText(const QStringList& lines) {
    return lines.isEmpty() ? QString() : lines.join(u'\n') + u'\n';
}

struct ParseCase {
    const char* name;
    const char* readme;
    QList<ReadmeExample> expected;
};

// What would make the README test pass while checking less than the README shows.
TEST(Readme, FindsEachExampleAndWhatItShows) {
    const QList<ParseCase> cases = {
        {"the section ends at the next heading",
         "# T\n    $ before\n    x\n## On the command line\n    $ a\n    1\n## Next\n    $ b\n",
         {{5, QStringLiteral("a"), {QStringLiteral("1")}}}},
        {"a blank line inside the output is kept, a trailing one is not",
         "## On the command line\n\n    $ a\n    1\n\n    2\n\nProse.\n",
         {{3, QStringLiteral("a"), {QStringLiteral("1"), QString(), QStringLiteral("2")}}}},
        {"prose ends the output and two commands share a block",
         "## On the command line\n    $ a\n    1\n    $ b\nNot shown.\n    2\n",
         {{2, QStringLiteral("a"), {QStringLiteral("1")}}, {4, QStringLiteral("b"), {}}}},
        {"CRLF line ends and a command cut by a backslash",
         "## On the command line\r\n    $ a \\\r\n    --x\r\n    1\r\n",
         {{2, QStringLiteral("a \\\n--x"), {QStringLiteral("1")}}}},
        {"no section, no example", "## Elsewhere\n    $ a\n    1\n", {}},
    };
    for (const ParseCase& row : cases) {
        SCOPED_TRACE(row.name);
        const QList<ReadmeExample> found =
            readmeExamples(QString::fromUtf8(row.readme), sectionHeading());
        ASSERT_EQ(found.size(), row.expected.size());
        for (qsizetype i = 0; i < found.size(); ++i) {
            EXPECT_EQ(found[i].line, row.expected[i].line);
            EXPECT_EQ(found[i].command.toStdString(), row.expected[i].command.toStdString());
            EXPECT_EQ(shownText(found[i].shown).toStdString(),
                      shownText(row.expected[i].shown).toStdString());
        }
    }
    EXPECT_EQ(catFileName(QStringLiteral("cat production.csv")).toStdString(), "production.csv");
    for (const char* notAFile : {"cat ../x.csv", "cat a b", "cat /etc/passwd", "cat .."}) {
        EXPECT_TRUE(catFileName(QString::fromUtf8(notAFile)).isEmpty()) << notAFile;
    }
    const QStringList changed = lineDiff(
        {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")},
        {QStringLiteral("a"), QStringLiteral("x"), QStringLiteral("c"), QStringLiteral("d")});
    EXPECT_EQ(changed.join(u'|').toStdString(), "  a|- b|+ x|  c|+ d");
    EXPECT_EQ(lineDiff({QStringLiteral("a")}, {}).join(u'|').toStdString(), "- a");
}

TEST(Readme, CommandLineExamplesPrintWhatTheReadmeShows) {
    QFile file(readmePath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly))
        << "cannot read \"" << readmePath.toStdString() << "\" (arguments: README.md BIN_FOLDER)";
    const QList<ReadmeExample> examples =
        readmeExamples(QString::fromUtf8(file.readAll()), sectionHeading());
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());

    int run = 0;
    for (const ReadmeExample& example : examples) {
        const std::string where =
            "README.md:" + std::to_string(example.line) + ": $ " + example.command.toStdString();
        SCOPED_TRACE(where);
        if (const QString name = catFileName(example.command); !name.isEmpty()) {
            QFile input(scratch.filePath(name));
            ASSERT_TRUE(input.open(QIODevice::WriteOnly));
            const QByteArray contents = shownText(example.shown).toUtf8();
            ASSERT_EQ(input.write(contents), contents.size());
            continue;
        }
        QProcess process;
        process.setWorkingDirectory(scratch.path());
        process.setProcessEnvironment(exampleEnvironment());
        process.start(QStringLiteral("sh"), {QStringLiteral("-c"), example.command});
        if (!process.waitForFinished(60'000)) {
            process.kill();
            process.waitForFinished();
            ADD_FAILURE() << "did not finish within a minute";
            continue;
        }
        ++run;
        // Markdown cannot show a CR: a CSV answer's CRLF line ends read as the README's LF.
        const QString written = QString::fromUtf8(process.readAllStandardOutput())
                                    .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (written != shownText(example.shown)) {
            QStringList writtenLines = written.split(u'\n');
            const bool endsLine = written.isEmpty() || written.endsWith(u'\n');
            if (endsLine) {
                writtenLines.removeLast();
            }
            ADD_FAILURE() << "the README shows (-), fournil-calc writes (+):\n"
                          << lineDiff(example.shown, writtenLines).join(u'\n').toStdString()
                          << (endsLine ? "" : "\n(no line end after the last line)");
        }
        EXPECT_TRUE(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
            << "exit status " << process.exitCode() << ", standard error:\n"
            << process.readAllStandardError().toStdString();
    }
    // A renamed heading or a changed indent must not leave nothing checked.
    EXPECT_GT(run, 0) << "no command found under \"" << sectionHeading().toStdString() << "\" in "
                      << readmePath.toStdString();
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    QCoreApplication application(argc, argv);
    // CMake passes README.md and the folder of the built fournil-calc.
    if (argc == 3) {
        readmePath = QString::fromLocal8Bit(argv[1]);
        binDir = QString::fromLocal8Bit(argv[2]);
    }
    return RUN_ALL_TESTS();
}

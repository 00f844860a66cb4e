#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One `$ COMMAND` of the README with the lines shown under it. A `$ cat FILE` example is not run:
// its lines are FILE's contents for the examples after it, so the README stays the one source.
struct ReadmeExample {
    int line = 0;  // of the `$`, counted from 1, for the failure's message
    QString command;
    QStringList shown;
};

// The examples of the section that starts with the line `heading`, up to the next "## " heading.
// An example is a line of an indented block (four spaces) that starts with `$ `; the lines shown
// under it are the block's next lines up to the next `$ ` or the block's end, without the indent.
// A blank line belongs to the block only when the block goes on after it.
QList<ReadmeExample> readmeExamples(const QString& readme, const QString& heading);

// FILE when the command is `cat FILE` (a plain name in the scratch folder), else empty.
QString catFileName(const QString& command);

// The lines of `written` against those `shown`: "  " kept, "- " only shown, "+ " only written.
QStringList lineDiff(const QStringList& shown, const QStringList& written);

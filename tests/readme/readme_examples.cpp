#include "readme_examples.h"

#include <QRegularExpression>

#include <algorithm>

QList<ReadmeExample> readmeExamples(const QString& readme, const QString& heading) {
    const QString indent(4, u' ');
    const QStringList lines = readme.split(u'\n');
    QList<ReadmeExample> examples;
    bool inSection = false;
    bool inExample = false;
    int pendingBlanks = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r')) {
            line.chop(1);
        }
        if (!inSection) {
            inSection = line == heading;
            continue;
        }
        if (line.startsWith(QStringLiteral("## "))) {
            break;
        }
        if (line.trimmed().isEmpty()) {
            pendingBlanks += inExample ? 1 : 0;
            continue;
        }
        if (!line.startsWith(indent)) {
            inExample = false;
            pendingBlanks = 0;
            continue;
        }
        const QString text = line.mid(indent.size());
        if (text.startsWith(QStringLiteral("$ "))) {
            examples.append({int(i + 1), text.mid(2), {}});
            inExample = true;
        } else if (inExample) {
            ReadmeExample& example = examples.last();
            // A command cut by a backslash goes on, as in the shell.
            if (example.shown.isEmpty() && pendingBlanks == 0 && example.command.endsWith(u'\\')) {
                example.command += u'\n' + text;
                continue;
            }
            for (; pendingBlanks > 0; --pendingBlanks) {
                example.shown.append(QString());
            }
            example.shown.append(text);
        }
        pendingBlanks = 0;
    }
    return examples;
}

QString catFileName(const QString& command) {
    // A plain name only: the README may not write outside the scratch folder.
    static const QRegularExpression cat(QStringLiteral("^cat ([A-Za-z0-9_-][A-Za-z0-9._-]*)$"));
    const QRegularExpressionMatch match = cat.match(command);
    return match.hasMatch() ? match.captured(1) : QString();
}

QStringList lineDiff(const QStringList& shown, const QStringList& written) {
    // The longest common subsequence of lines, then a walk that marks the rest; outputs are a few
    // lines, so the quadratic table is small.
    const qsizetype n = shown.size();
    const qsizetype m = written.size();
    QList<QList<int>> common(n + 1, QList<int>(m + 1, 0));
    for (qsizetype i = n - 1; i >= 0; --i) {
        for (qsizetype j = m - 1; j >= 0; --j) {
            common[i][j] = shown[i] == written[j] ? common[i + 1][j + 1] + 1
                                                  : std::max(common[i + 1][j], common[i][j + 1]);
        }
    }
    QStringList diff;
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && shown[i] == written[j]) {
            diff.append(QStringLiteral("  ") + shown[i++]);
            ++j;
        } else if (i < n && (j == m || common[i + 1][j] >= common[i][j + 1])) {
            diff.append(QStringLiteral("- ") + shown[i++]);
        } else {
            diff.append(QStringLiteral("+ ") + written[j++]);
        }
    }
    return diff;
}

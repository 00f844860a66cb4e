// fournil-calc: the calculator's answers on the command line, without a window.

#include "calc/command.h"

#include <QFile>

#include <cstdio>

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const auto write = [](std::FILE* stream) {
        return [stream](const QByteArray& bytes) {
            std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
        };
    };
    const fournil::calc::Streams io{
        write(stdout), write(stderr), [](const QString& path) -> std::optional<QByteArray> {
            QFile file;
            const bool opened = path == u"-"
                                    ? file.open(stdin, QIODevice::ReadOnly)
                                    : (file.setFileName(path), file.open(QIODevice::ReadOnly));
            if (!opened) {
                return std::nullopt;
            }
            return file.readAll();
        }};
    // Numbers are read and written by the user's locale (LC_ALL, LC_NUMERIC, LANG), never the C
    // library's; by its name, so that each number read does not ask the system again.
    const int status = fournil::calc::runCommand(arguments, io, QLocale(QLocale::system().name()));
    std::fflush(stdout);
    return status;
}

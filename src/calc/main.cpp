// fournil-calc: the calculator's answers on the command line, without a window.

#include "calc/command.h"

#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace {

QString reason(int error) {
    switch (error) {
        case ENOENT:
            return QStringLiteral("fichier introuvable");
        case EISDIR:
            return QStringLiteral("c'est un dossier");
        case EACCES:
        case EPERM:
            return QStringLiteral("lecture non permise");
        case ENOSPC:
            return QStringLiteral("plus de place sur le disque");
        case EPIPE:
            return QStringLiteral("la sortie est fermée");
        case EBADF:
            return QStringLiteral("pas de sortie ouverte");
        default:
            return QString::fromLocal8Bit(std::strerror(error));
    }
}

// A file or the standard input, read as the bytes come.
class FileInput : public fournil::calc::Input {
  public:
    explicit FileInput(int fd) : fd_(fd) {}
    ~FileInput() override {
        if (fd_ > 0) {
            ::close(fd_);
        }
    }
    FileInput(const FileInput&) = delete;
    FileInput& operator=(const FileInput&) = delete;
    qint64 read(char* data, qint64 size) override {
        for (;;) {
            const ssize_t n = ::read(fd_, data, std::size_t(size));
            if (n >= 0 || errno != EINTR) {
                error_ = n < 0 ? errno : 0;
                return n;
            }
        }
    }
    QString error() const override { return reason(error_); }

  private:
    int fd_;
    int error_ = 0;
};

std::unique_ptr<fournil::calc::Input> openInput(const QString& path, QString& why) {
    if (path == u"-") {
        return std::make_unique<FileInput>(0);
    }
    if (QFileInfo(path).isDir()) {
        why = reason(EISDIR);
        return nullptr;
    }
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        why = reason(errno);
        return nullptr;
    }
    return std::make_unique<FileInput>(fd);
}

int outputError = 0;

// Each piece flushed at once, so that a pipe gets its answers as they come.
bool writeOut(const QByteArray& bytes) {
    if (std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout) !=
            std::size_t(bytes.size()) ||
        std::fflush(stdout) != 0) {
        outputError = errno;
        return false;
    }
    return true;
}

// The end of the output: what is still buffered, and the closing, may fail too.
bool finishOut() {
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0 || std::fclose(stdout) != 0) {
        outputError = errno;
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    // A reader that goes away is a failed write, told with its own status, not a death by signal.
    std::signal(SIGPIPE, SIG_IGN);
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    fournil::calc::Streams io;
    io.out = writeOut;
    io.err = [](const QByteArray& bytes) {
        std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stderr);
    };
    io.open = openInput;
    io.finish = finishOut;
    io.outError = [] { return reason(outputError); };
    // Numbers are read and written by the user's locale (LC_ALL, LC_NUMERIC, LANG), never the C
    // library's; by its name, so that each number read does not ask the system again.
    return fournil::calc::runCommand(arguments, io, QLocale(QLocale::system().name()));
}

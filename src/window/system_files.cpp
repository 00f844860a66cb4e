#include "window/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fournil {
namespace {

// "C:\…" or "C:/…". A plain test: a regular expression would load its library into every run.
bool isDrivePath(const QString& path) {
    if (path.size() < 3) {
        return false;
    }
    const char16_t letter = path.at(0).unicode();
    const bool ascii = (letter >= u'A' && letter <= u'Z') || (letter >= u'a' && letter <= u'z');
    return ascii && path.at(1) == u':' && (path.at(2) == u'\\' || path.at(2) == u'/');
}

QString nativePath(const QString& path) {
#ifdef Q_OS_WIN
    return QDir::fromNativeSeparators(path);
#else
    return path;
#endif
}

}  // namespace

QString SystemFileSystem::findFile(const QString& path) {
#ifndef Q_OS_WIN
    if (isDrivePath(path)) {
        return {};
    }
#endif
    const QFileInfo info(nativePath(path));
    // Hidden and system files are not listed, as the look-up of ordinary files requires.
    const QStringList names = info.dir().entryList({info.fileName()}, QDir::Files, QDir::Name);
    return names.isEmpty() ? QString() : names.first();
}

bool SystemFileSystem::deleteFile(const QString& path) {
#ifndef Q_OS_WIN
    if (isDrivePath(path)) {
        return false;
    }
#endif
    return QFile::remove(nativePath(path));
}

QString SystemFileSystem::programFolder() {
    if (QCoreApplication::instance() != nullptr) {
        return QCoreApplication::applicationDirPath();
    }
    // Without an application object (the scenario driver), the running executable tells.
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    return self.exists() ? self.canonicalPath() : QDir::currentPath();
}

std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes) {
#ifdef Q_OS_UNIX
    // Opened without blocking (a pipe with no writer would wait for ever), then judged by what
    // was opened, not by a look at the path that could change in between.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info {};
    std::optional<QByteArray> bytes;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0 &&
        info.st_size <= maxBytes) {
        QByteArray buffer(qsizetype(info.st_size), Qt::Uninitialized);
        qsizetype got = 0;
        while (got < buffer.size()) {
            const ssize_t n = ::read(fd, buffer.data() + got, std::size_t(buffer.size() - got));
            if (n <= 0) {
                break;
            }
            got += n;
        }
        if (got == buffer.size()) {
            bytes = std::move(buffer);
        }
    }
    ::close(fd);
    return bytes;
#else
    const QFileInfo info(path);
    if (!info.isFile() || info.size() <= 0 || info.size() > maxBytes) {
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.isEmpty() || bytes.size() > maxBytes) {
        return std::nullopt;
    }
    return bytes;
#endif
}

}  // namespace fournil

#include "window/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace fournil {
namespace {

bool isDrivePath(const QString& path) {
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:[\\\\/]"));
    return drive.match(path).hasMatch();
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

}  // namespace fournil

#include "qt/platform_qt.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <QApplication>
#include <QBuffer>
#include <QImageReader>
#include <QScreen>
#include <QStyle>

namespace fournil::qt {

std::shared_ptr<const Picture> QtPictureLoader::load(const QString& path) {
    // A logo is a few kilobytes; anything that is not a sane regular file is no logo.
    constexpr qint64 maxBytes = 8 * 1024 * 1024;
    constexpr int maxSide = 4096;
    const auto bytes = readRegularFile(path, maxBytes);
    if (!bytes) {
        return nullptr;
    }
    QBuffer buffer;
    buffer.setData(*bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > maxSide || size.height() > maxSide) {
        return nullptr;
    }
    QImage image = reader.read();
    if (image.isNull()) {
        return nullptr;
    }
    // In the format a pixmap keeps, so that the one shown shares these pixels instead of holding
    // a converted copy of its own.
    image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                            : QImage::Format_RGB32);
    return std::make_shared<const QtPicture>(std::move(image));
}

TwipSize QtDisplay::screenSize() {
    const QScreen* screen =
        window_.screen() != nullptr ? window_.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {};
    }
    const QSize size = screen->size();
    return {size.width() * twipsPerPixel, size.height() * twipsPerPixel};
}

TwipSize QtDisplay::windowSize() {
    // Before the window is first shown the window manager has not framed it yet; its frame is
    // then estimated from the style's title bar and border.
    QSize outer = window_.frameGeometry().size();
    if (outer == window_.size()) {
        const QStyle* style = window_.style();
        const int border = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
        const int title = style->pixelMetric(QStyle::PM_TitleBarHeight);
        outer += QSize(2 * border, title + 2 * border);
    }
    return {outer.width() * twipsPerPixel, outer.height() * twipsPerPixel};
}

std::optional<QByteArray> FileCalculationStore::load() {
    return readRegularFile(path_, 64 * 1024);
}

QString FileCalculationStore::save(const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSaveFile file(path_);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) {
        return {};
    }
    return file.errorString();
}

}  // namespace fournil::qt

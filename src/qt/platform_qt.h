#pragma once

#include "window/platform.h"

#include <QImage>
#include <QWidget>

namespace fournil::qt {

class QtPicture : public Picture {
  public:
    explicit QtPicture(QImage image) : image(std::move(image)) {}
    QImage image;
};

// Decodes pictures with Qt's image readers (GIF among others).
class QtPictureLoader : public PictureLoader {
  public:
    std::shared_ptr<const Picture> load(const QString& path) override;
};

// The real screen and the real window, in twips (15 per logical pixel).
class QtDisplay : public Display {
  public:
    explicit QtDisplay(const QWidget& window) : window_(window) {}
    TwipSize screenSize() override;
    TwipSize windowSize() override;

  private:
    const QWidget& window_;
};

inline constexpr int twipsPerPixel = 15;

// The last calculation in a file, written whole through a temporary file; a folder that cannot
// be written keeps nothing.
class FileCalculationStore : public CalculationStore {
  public:
    explicit FileCalculationStore(QString path) : path_(std::move(path)) {}
    std::optional<QByteArray> load() override;
    QString save(const QByteArray& bytes) override;
    const QString& path() const { return path_; }

  private:
    QString path_;
};

}  // namespace fournil::qt

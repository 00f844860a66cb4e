#pragma once

// The services of the machine that start-up needs, behind small interfaces that tests replace.

#include "window/controls.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

namespace fournil {

struct TwipSize {
    int width = 0;
    int height = 0;
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // The bare name of the first ordinary file (neither hidden nor system) that matches the path,
    // or "" when there is none.
    virtual QString findFile(const QString& path) = 0;
    // False when the file could not be deleted.
    virtual bool deleteFile(const QString& path) = 0;
    // The folder from which the program was started.
    virtual QString programFolder() = 0;
};

class Display {
  public:
    virtual ~Display() = default;
    virtual TwipSize screenSize() = 0;
    // The window's outer size, frame included.
    virtual TwipSize windowSize() = 0;
};

class PictureLoader {
  public:
    virtual ~PictureLoader() = default;
    // Null when the file is missing or cannot be read as a picture.
    virtual std::shared_ptr<const Picture> load(const QString& path) = 0;
};

// Where the last calculation is kept between runs, on request.
class CalculationStore {
  public:
    virtual ~CalculationStore() = default;
    // Nothing when there is none, or it cannot be read.
    virtual std::optional<QByteArray> load() = 0;
    // Replaces what was kept, whole or not at all; a place that cannot be written keeps nothing.
    // Why it was not kept, in French; empty when it was.
    virtual QString save(const QByteArray& bytes) = 0;
};

struct Platform {
    FileSystem& files;
    Display& display;
    PictureLoader& pictures;
};

// The machine's own file system, through QtCore. Windows paths with a drive letter cannot exist
// elsewhere, so there they find nothing rather than a like-named file in the current folder.
class SystemFileSystem : public FileSystem {
  public:
    QString findFile(const QString& path) override;
    bool deleteFile(const QString& path) override;
    QString programFolder() override;
};

// The bytes of a regular file of at most `maxBytes`, read without ever blocking: a folder, a
// pipe, a device, an empty or a larger file gives nothing, so that nothing found at a path can
// hold up start-up.
std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes);

}  // namespace fournil

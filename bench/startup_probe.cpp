// Opens the calculator's window (or, with --bare, a plain Qt window holding the same kinds and
// number of widgets, with no model behind it) and exits once the window's first frame is painted,
// printing its resident memory then. scripts/measure-startup times whole runs of both from
// process start.

#include "qt/desktop_window.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTimer>
#include <QWindow>

#include <cstdio>

#include <unistd.h>
#include <cstdlib>
#include <cstring>

namespace {

// The resident memory of this process, in kibibytes.
long residentKiB() {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    long kib = 0;
    char line[256];
    while (status != nullptr && std::fgets(line, sizeof line, status) != nullptr) {
        if (std::sscanf(line, "VmRSS: %ld kB", &kib) == 1) {
            break;
        }
    }
    if (status != nullptr) {
        std::fclose(status);
    }
    return kib;
}

// Ends the process without tearing anything down once the window's first frame is painted: the
// paint of the top-level widget has run when the event loop next turns.
class ExitOnFirstPaint : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            QTimer::singleShot(0, [] {
                std::printf("%ld\n", residentKiB());
                // Where the memory is, mapping by mapping, for whoever asks.
                if (const char* path = std::getenv("FOURNIL_PROBE_SMAPS")) {
                    std::FILE* in = std::fopen("/proc/self/smaps", "r");
                    std::FILE* out = std::fopen(path, "w");
                    char buffer[4096];
                    std::size_t n = 0;
                    while (in != nullptr && out != nullptr &&
                           (n = std::fread(buffer, 1, sizeof buffer, in)) > 0) {
                        std::fwrite(buffer, 1, n, out);
                    }
                    if (in != nullptr) {
                        std::fclose(in);
                    }
                    if (out != nullptr) {
                        std::fclose(out);
                    }
                }
                std::fflush(stdout);
                _exit(0);
            });
        }
        return false;
    }

  private:
    bool painted_ = false;
};

void bareWindow(QWidget& top) {
    std::map<QStringView, QWidget*> frames;
    for (const fournil::ControlEntry& entry : fournil::inventory()) {
        QWidget* parent = frames.count(entry.container) != 0 ? frames[entry.container] : &top;
        QWidget* widget = nullptr;
        const QString text = entry.caption.toString();
        switch (entry.kind) {
            case fournil::Kind::Window:
                top.setWindowTitle(text);
                top.setFixedSize(entry.geometry.width / 15, entry.geometry.height / 15);
                continue;
            case fournil::Kind::Frame:
                widget = new QGroupBox(text, parent);
                frames[entry.name] = widget;
                break;
            case fournil::Kind::OptionButton:
                widget = new QRadioButton(text, parent);
                break;
            case fournil::Kind::TextBox:
                widget = new QLineEdit(text, parent);
                break;
            case fournil::Kind::Button:
                widget = new QPushButton(text, parent);
                break;
            default:
                widget = new QLabel(text, parent);
                break;
        }
        widget->setGeometry(entry.geometry.left / 15, entry.geometry.top / 15,
                            entry.geometry.width / 15, entry.geometry.height / 15);
        widget->setVisible(!entry.has(fournil::Hidden));
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    const bool bare = argc > 1 && std::strcmp(argv[1], "--bare") == 0;
    QApplication app(argc, argv);
    ExitOnFirstPaint exit;

    if (bare) {
        QWidget top;
        bareWindow(top);
        top.installEventFilter(&exit);
        top.show();
        return QApplication::exec();
    }

    // Nothing of the user's own folder is read or kept by a measurement.
    QStandardPaths::setTestModeEnabled(true);
    fournil::qt::DesktopWindow window;
    window.view.installEventFilter(&exit);
    window.view.show();
    return QApplication::exec();
}

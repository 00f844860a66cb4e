// Fournil: creates the window model and its view, binds the events, runs start-up and shows the
// window. Nothing is read from the command line and nothing is saved.

#include "qt/platform_qt.h"
#include "qt/view.h"
#include "window/binding.h"
#include "window/startup.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fournil"));
    QApplication::setDesktopFileName(QStringLiteral("fournil"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/fournil.png")));

    fournil::Window model;
    // Numbers follow the user's own locale (LC_ALL, LC_NUMERIC, LANG), never the C library's.
    model.setLocale(QLocale::system());
    fournil::qt::FournilView view(model);

    fournil::SystemFileSystem files;
    fournil::qt::QtDisplay display(view);
    fournil::qt::QtPictureLoader pictures;
    fournil::Platform platform{files, display, pictures};
    fournil::bindHandlers(model, platform);
    fournil::openWindow(model);

    view.show();
    return QApplication::exec();
}

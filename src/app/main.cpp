// Fournil: opens the calculator's window. Nothing is read from the command line; the last
// calculation is kept in the user's configuration folder when the window closes.

#include "qt/desktop_window.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fournil"));
    QApplication::setDesktopFileName(QStringLiteral("fournil"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/fournil.png")));
    fournil::qt::installQtTranslations(QLocale::system());

    fournil::qt::DesktopWindow window;
    window.view.show();
    return QApplication::exec();
}

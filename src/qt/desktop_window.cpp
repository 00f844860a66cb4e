#include "qt/desktop_window.h"

#include "window/startup.h"
#include "wiring/binding.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

namespace fournil::qt {

bool installQtTranslations(const QLocale& locale) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    // Tries each of the user's interface languages in turn (fr_FR, then fr).
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

DesktopWindow::DesktopWindow()
    : olderLastCalculation_(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
                            QStringLiteral("/dernier-calcul.json")),
      notebook_(notebookPath()) {
    view.setCalculationStore(&lastCalculation_);
    view.setNotebook(&notebook_);
    // Numbers follow the user's own locale (LC_ALL, LC_NUMERIC, LANG), never the C library's.
    model.setLocale(QLocale::system());
    bindHandlers(model, platform_);
    openWindow(model);
}

}  // namespace fournil::qt

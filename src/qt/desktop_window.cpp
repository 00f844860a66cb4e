#include "qt/desktop_window.h"

#include "wiring/binding.h"
#include "window/startup.h"

#include <QLocale>

namespace fournil::qt {

DesktopWindow::DesktopWindow() {
    // Numbers follow the user's own locale (LC_ALL, LC_NUMERIC, LANG), never the C library's.
    model.setLocale(QLocale::system());
    bindHandlers(model, platform_);
    openWindow(model);
}

}  // namespace fournil::qt

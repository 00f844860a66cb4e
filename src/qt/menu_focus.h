#pragma once

// A menu that opens says so: its first entry takes the keyboard's highlight as it shows, which a
// screen reader hears as the focus moving into the menu (a menu opened with no entry highlighted
// is silent to Orca).

class QObject;

namespace fournil::qt {

// Watches every menu of the application; installed once.
void highlightOpeningMenus(QObject* application);

}  // namespace fournil::qt

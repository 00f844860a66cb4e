#pragma once

// Where a second window (the recipe dialog) stands beside the main one: never over it while the
// screen can hold both side by side, and on the screen's available area in any case.

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

#include <optional>

namespace fournil::qt {

struct Placement {
    QPoint dialog;                 // the dialog's frame's top-left corner
    std::optional<QPoint> window;  // where the main window's frame moves to, when it must
};

// `window` is the main window's frame, `dialog` the size of the dialog's frame, `area` the
// screen's available area (the dialog is no larger than it). To the window's right, else to its
// left; else the window moves aside as little as it must so that both fit; else the dialog
// covers the window as little as the screen allows.
Placement placeBeside(const QRect& window, const QSize& dialog, const QRect& area, int gap);

// Sizes and moves a dialog of `size` beside the window, where it hides none of the sentence (the
// window moves aside where only so both fit), and on the screen; for a dialog that exec() shows,
// as one shown before exec() would not be modal.
void moveBeside(QWidget& dialog, QWidget& window, QSize size);
// The same, and shows it.
void showBeside(QWidget& dialog, QWidget& window, QSize size);

}  // namespace fournil::qt

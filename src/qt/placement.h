#pragma once

#include <QWidget>

namespace fournil::qt {

// Shows a dialog beside the window, where it hides none of the sentence, and on the screen.
void showBeside(QWidget& dialog, const QWidget& window);

}  // namespace fournil::qt

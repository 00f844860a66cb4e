#include "qt/placement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace fournil::qt {

Placement placeBeside(const QRect& window, const QSize& dialog, const QRect& area, int gap) {
    const auto within = [&](int x, int width) {
        return std::clamp(x, area.left(), std::max(area.left(), area.right() + 1 - width));
    };
    const int y = std::clamp(window.top(), area.top(),
                             std::max(area.top(), area.bottom() + 1 - dialog.height()));
    const int right = window.right() + 1 + gap;
    if (right + dialog.width() <= area.right() + 1) {
        return {{right, y}, std::nullopt};
    }
    const int left = window.left() - gap - dialog.width();
    if (left >= area.left()) {
        return {{left, y}, std::nullopt};
    }
    if (window.width() + gap + dialog.width() <= area.width()) {
        // Both fit: the dialog at the screen's right edge, the window just left of it.
        const int x = area.right() + 1 - dialog.width();
        return {{x, y}, QPoint(within(x - gap - window.width(), window.width()), window.top())};
    }
    return {{within(right, dialog.width()), y}, std::nullopt};
}

void showBeside(QWidget& dialog, const QWidget& window) {
    const QRect frame = window.frameGeometry();
    dialog.adjustSize();
    QPoint at(frame.right() + 8, frame.top());
    if (const QScreen* screen = window.screen()) {
        const QRect area = screen->availableGeometry();
        if (at.x() + dialog.width() > area.right()) {
            at.setX(std::max(area.left(), frame.left() - dialog.width() - 8));
        }
        at.setY(
            std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() - dialog.height())));
    }
    dialog.move(at);
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

}  // namespace fournil::qt

#include "qt/placement.h"

#include <QScreen>
#include <QStyle>
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

void moveBeside(QWidget& dialog, QWidget& window, QSize size) {
    // Its frame is taken to be the window's, drawn by the same window manager.
    const QRect frame = window.frameGeometry(), inner = window.geometry();
    const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(),
                           frame.right() - inner.right(), frame.bottom() - inner.bottom());
    if (const QScreen* screen = window.screen()) {
        const QRect area = screen->availableGeometry();
        // No larger than the screen: it scrolls inside itself where the screen is smaller, its
        // scroll bar beside the fields rather than over them.
        const QSize room = area.size().shrunkBy(margins);
        if (size.height() > room.height()) {
            size.rwidth() += dialog.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        }
        size = size.boundedTo(room);
        dialog.resize(size);
        const Placement place = placeBeside(frame, size.grownBy(margins), area, 8);
        if (place.window) {
            window.move(*place.window);
        }
        dialog.move(place.dialog);
    } else {
        dialog.resize(size);
    }
}

void showBeside(QWidget& dialog, QWidget& window, QSize size) {
    moveBeside(dialog, window, size);
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

}  // namespace fournil::qt

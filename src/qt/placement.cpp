#include "qt/placement.h"

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

}  // namespace fournil::qt

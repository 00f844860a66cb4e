#include "qt/scaled_style.h"

#include <QApplication>

#include <algorithm>

namespace fournil::qt {

ScaledStyle::ScaledStyle(std::function<double()> scale)
    : QProxyStyle(QApplication::style()->name()), scale_(std::move(scale)) {}

int ScaledStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                             const QWidget* widget) const {
    const int normal = QProxyStyle::pixelMetric(metric, option, widget);
    const double scale = scale_();
    // Larger drawings keep the style's own metrics, as do the values of one pixel or less.
    if (scale >= 1.0 || normal <= 1) {
        return normal;
    }
    return std::max(1, qRound(normal * scale));
}

void ScaledStyle::drawItemText(QPainter* painter, const QRect& rect, int flags,
                               const QPalette& palette, bool enabled, const QString& text,
                               QPalette::ColorRole role) const {
    QProxyStyle::drawItemText(painter, rect, flags | Qt::TextForceLeftToRight, palette, enabled,
                              text, role);
}

MenuStyle::MenuStyle() : QProxyStyle(QApplication::style()->name()) {}

int MenuStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* returned) const {
    if (hint == SH_Menu_AllowActiveAndDisabled) {
        return 1;
    }
    return QProxyStyle::styleHint(hint, option, widget, returned);
}

void ScaledStyle::keepScale() {
    scale_ = [scale = scale_()] { return scale; };
}

}  // namespace fournil::qt

#pragma once

// The window's style: the application's, with its pixel metrics (a radio button's circle, a
// frame's width, the spacing beside an indicator) shrunk with the view where it is drawn smaller
// than its normal size (the fonts alone would leave the circles at full size in rows too low for
// them, squashed, and the captions clipped), and its texts drawn left to right as the window's
// French is, whatever the language of the application (a painter takes the application's
// direction, not its widget's).

#include <QProxyStyle>

#include <functional>

namespace fournil::qt {

// The window's menu as the keyboard walks it: a disabled entry is highlighted in turn, so that a
// screen reader says it and why it is disabled instead of leaving it out.
class MenuStyle : public QProxyStyle {
  public:
    MenuStyle();
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override;
};

class ScaledStyle : public QProxyStyle {
  public:
    // `scale` gives the view's scale as it stands.
    explicit ScaledStyle(std::function<double()> scale);
    // Keeps the scale as it stands: the view that gave it is going away, its widgets after it.
    void keepScale();
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette,
                      bool enabled, const QString& text,
                      QPalette::ColorRole role = QPalette::NoRole) const override;

  private:
    std::function<double()> scale_;
};

}  // namespace fournil::qt

#pragma once

// The view's pixels for the model's twips: 15 twips a pixel at 100 %, times the zoom the person
// chose (50 % to 300 %), and fewer where the window would not fit the screen area it is given.
// The model's geometry never changes, only the pixels it is drawn with.

#include "window/controls.h"

#include <QMargins>
#include <QRect>

namespace fournil::qt {

class Zoom {
  public:
    explicit Zoom(const Control& window) : window_(window) {}

    double zoom() const { return zoom_; }
    double scale() const { return scale_; }
    int toPixels(int twips) const;
    // Where a control is drawn, in pixels (the window: its client area, at the position the
    // model gives it).
    QRect placeOf(const Control& control) const;

    // Each says whether the scale changed. `frame` is the window's frame and title bar as the
    // window manager draws them, empty until it has.
    bool setZoom(double zoom, const QMargins& frame);
    bool fitInto(const QRect& area, const QMargins& frame);
    bool hasArea() const { return area_.isValid(); }
    // Where the client area of a window stands from its frame's corner, before the window
    // manager has drawn its frame.
    static QPoint usualFrameOffset();

  private:
    const Control& window_;
    double zoom_ = 1.0;
    double scale_ = 1.0;
    QRect area_;      // the screen area to fit, once known
    QMargins frame_;  // the window's frame, once drawn
};

}  // namespace fournil::qt

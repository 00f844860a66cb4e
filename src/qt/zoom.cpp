#include "qt/zoom.h"

#include "qt/platform_qt.h"

#include <algorithm>

namespace fournil::qt {
namespace {

// Never less than a usual frame and title bar, before the window manager has drawn them.
QMargins atLeastUsual(const QMargins& frame) {
    return {std::max(4, frame.left()), std::max(30, frame.top()), std::max(4, frame.right()),
            std::max(4, frame.bottom())};
}

}  // namespace

QPoint Zoom::usualFrameOffset() {
    const QMargins usual = atLeastUsual({});
    return {usual.left(), usual.top()};
}

int Zoom::toPixels(int twips) const {
    return qRound(double(twips) * scale_ / twipsPerPixel);
}

QRect Zoom::placeOf(const Control& control) const {
    const QSize size(toPixels(control.width()), toPixels(control.height()));
    if (control.kind() != Kind::Window) {
        return {QPoint(toPixels(control.left()), toPixels(control.top())), size};
    }
    // Where the model put it: centred on the screen, or at its corner when the window at its
    // normal size would not fit. Drawn at another size, it moves as little as it must to stay on
    // the screen, frame and title bar included: the point is the frame's, as a window is moved.
    QPoint at(qRound(double(control.left()) / twipsPerPixel),
              qRound(double(control.top()) / twipsPerPixel));
    if (scale_ != 1.0 && area_.isValid()) {
        const QMargins frame = atLeastUsual(frame_);
        const QSize outer = size.grownBy(frame);
        at.setX(std::clamp(at.x(), area_.left(),
                           std::max(area_.left(), area_.right() + 1 - outer.width())));
        at.setY(std::clamp(at.y(), area_.top(),
                           std::max(area_.top(), area_.bottom() + 1 - outer.height())));
    }
    return {at, size};
}

bool Zoom::fitInto(const QRect& area, const QMargins& frame) {
    area_ = area;
    return setZoom(zoom_, frame);
}

bool Zoom::setZoom(double zoom, const QMargins& frame) {
    zoom_ = std::clamp(zoom, 0.5, 3.0);
    frame_ = frame;
    double scale = zoom_;
    if (area_.isValid()) {
        // The window's frame and title bar take their share of the screen too.
        const QRect room = area_.marginsRemoved(atLeastUsual(frame));
        const double fit = std::min(double(room.width()) * twipsPerPixel / window_.width(),
                                    double(room.height()) * twipsPerPixel / window_.height());
        scale = std::min(scale, fit);
    }
    if (scale == scale_) {
        return false;
    }
    scale_ = scale;
    return true;
}

}  // namespace fournil::qt

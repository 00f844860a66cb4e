#pragma once

#include "window/platform.h"
#include "window/window.h"

namespace fournil {

// The wiring of the window's events to their handlers: the one unit that knows both the window
// model below and every subsystem above it. Binds every event of the window to its handler, and
// the opening event to start-up followed by one recalculation. The platform must outlive the
// window.
void bindHandlers(Window& w, Platform& platform);

}  // namespace fournil

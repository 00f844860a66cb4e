#pragma once

#include "window/platform.h"
#include "window/window.h"

namespace fournil {

// Binds every event of the window to its handler. The platform must outlive the window.
void bindHandlers(Window& w, Platform& platform);

}  // namespace fournil

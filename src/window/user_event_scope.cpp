#include "window/user_event_scope.h"

#include "window/window.h"

#include <algorithm>

namespace fournil {

UserEventScope::UserEventScope(Window& w, Kind kind) : window_(w), kind_(kind) {
    window_.beginUserEvent(*this);
}

UserEventScope::UserEventScope(TextBox& box, const QString& requested)
    : window_(box.window()),
      kind_(Kind::Edit),
      box_(&box),
      before_(box.text()),
      requested_(requested),
      from_(std::min(box.selStart(), box.selAnchor())),
      to_(std::max(box.selStart(), box.selAnchor())) {
    window_.beginUserEvent(*this);
}

UserEventScope::~UserEventScope() {
    window_.endUserEvent();
}

}  // namespace fournil

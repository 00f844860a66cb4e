#include "wiring/base_apply.h"

#include "engine/numbers.h"
#include "modes/modes.h"
#include "window/user_event_scope.h"
#include "window/user_events.h"
#include "window/window.h"

namespace fournil {

bool baseApplies(const Window& w) {
    return selectedModes(w).any(&ModeRow::temperatures);
}

BaseCheck applyBaseTemperature(Window& w, const BaseRequest& request) {
    const BaseCheck check = checkBase(request, w.locale());
    if (!check.result || !baseApplies(w)) {
        return check;
    }
    const UserEventScope event(w, UserEventScope::Kind::Step);
    w.setBaseTerms(BaseTerms{request.texts});
    userPaste(w.H1, unroundedText(check.result->water, w.locale()));
    return check;
}

}  // namespace fournil

#include "wiring/base_apply.h"

#include "engine/numbers.h"
#include "modes/modes.h"
#include "window/history.h"
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
    // A step of its own: whatever run of typing came before ends, and none goes on in it.
    w.history().endTypingRun();
    {
        const UserEventScope event(w, UserEventScope::Kind::Command);
        w.setBaseTerms(BaseTerms{request.texts});
        userPaste(w.H1, unroundedText(check.result->water, w.locale()));
    }
    w.history().endTypingRun();
    return check;
}

}  // namespace fournil

#pragma once

// The model against the real widgets: one user event played on a session of either kind, and the
// first property that two sessions show differently. Used by the differential test and the
// widgets' fuzzer.

#include "session.h"
#include "user_event_generator.h"

#include <QString>

#include <optional>

namespace fournil::replay {

// Plays the event through the session, as the driver's command for it does.
void playEvent(Session& session, const events::UserEvent& event);

struct Difference {
    QString ref, model, widgets;
};

// The first property of a control, or window value, that the two sessions show differently.
std::optional<Difference> firstDifference(Session& model, Session& widgets);

}  // namespace fournil::replay

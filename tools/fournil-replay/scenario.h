#pragma once

#include "session.h"

#include <functional>

namespace fournil::replay {

struct Outcome {
    int failures = 0;          // expectations that did not hold
    bool scriptError = false;  // the scenario stopped on a fault of its own
};

using SessionFactory = std::function<std::unique_ptr<Session>(const SessionSettings&)>;

// Plays one scenario file on a fresh window made by the factory; `atEnd`, when given, sees the
// session once the last command has run.
Outcome playScenario(const QString& path, const SessionFactory& factory,
                     const std::function<void(Session&)>& atEnd = {});

}  // namespace fournil::replay

#pragma once

// What the tests, the driver and the fuzzer count of a window's work, never what the window
// decides by: its recalculation passes (nested ones included) and how deep its handlers nested.
// A window counts only into the counters set on it (Window::setCounters).

namespace fournil {

struct WorkCounters {
    long passes = 0;
    int deepestNesting = 0;

    // Counting afresh from an event about to start, `nesting` deep.
    void reset(int nesting = 0) {
        passes = 0;
        deepestNesting = nesting;
    }
};

}  // namespace fournil

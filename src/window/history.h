#pragma once

// Undo and redo of the calculation. Each user event that changes the window is one step: the
// state before it is kept, and undo puts every control and window value back as it was (the
// focus and the help text stay where the person is), without running any handler. A run of
// characters typed into one box, with no other event between them, is one step, the first of
// them may replace a selection (text that Tab or start-up selected is there to be typed over); a
// repaired keystroke is a step of its own.

#include "window/controls.h"
#include "window/user_event_scope.h"
#include "window/window_state.h"

#include <deque>

namespace fournil {

class Window;

class History {
  public:
    explicit History(Window& w) : window_(w) {}

    // Told of every user event as it begins (`outermost` unless it runs inside another) and of
    // the outermost one as it ends, when a step is made.
    void eventBegan(const UserEventScope& event, bool outermost);
    void eventEnded();

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    void undo();
    void redo();
    void clear();

    // Told of every property that moved (by the window), to know when a step was made.
    void changed(const Control& control, Property property);

    static constexpr std::size_t capacity = 200;

    // A window that nobody undoes in (the command line's) keeps no steps: its events cost no
    // copies of the window.
    void stopRecording();

  private:
    void put(const WindowState& state);
    void noteEdit(const UserEventScope& edit);
    void record();
    // Takes the latest state of `from` back into the window, the present one going to `to`.
    void step(std::deque<WindowState>& from, std::deque<WindowState>& to);

    Window& window_;
    std::deque<WindowState> undo_;  // the states before each step, the latest last
    std::deque<WindowState> redo_;  // the states after each undone step, the latest last
    // The state after the last event, and whether anything moved since.
    WindowState last_;
    bool lastValid_ = false;
    bool dirty_ = false;
    // The current event.
    UserEventScope::Kind kind_ = UserEventScope::Kind::Passive;
    const TextBox* editedBox_ = nullptr;
    QString requested_;
    bool typing_ = false;
    bool overSelection_ = false;  // typing that replaced a selection starts a run anew
    bool restoring_ = false;
    bool recording_ = true;
    // The box of an open run of typing, or null.
    const TextBox* run_ = nullptr;
};

}  // namespace fournil

#pragma once

// Undo and redo of the calculation. Each user event that changes the window is one step: the
// state before it is kept, and undo puts every control and window value back as it was (the
// focus and the help text stay where the person is), without running any handler. A run of
// characters typed into one box, with no other event between them, is one step; a repaired
// keystroke is a step of its own.

#include "window/answer.h"
#include "window/controls.h"
#include "window/recipe.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace fournil {

class Window;

// Every control's state and the window-level values.
struct WindowState {
    std::vector<ControlState> controls;
    std::int16_t TypeCalcul = 0, UniteMasse = 0, UniteH1 = 0, UniteH2 = 0;
    float FracEau1 = 0.0f, FracEau2 = 0.0f;
    Answer answer;
    std::optional<RecipeInputs> recipe;
};

class History {
  public:
    explicit History(Window& w) : window_(w) {}

    // How a user event may make a step: an edit of a box, a command (a click on a button, a key,
    // an action) that ends a run of typing, or a passive event (a mouse move, a selection, a
    // click into a box) that neither makes one nor ends one.
    enum class Kind { Edit, Command, Passive };

    // Marks one user event for as long as it runs; events inside it are part of it.
    class Event {
      public:
        Event(Window& w, Kind kind);
        ~Event();
        Event(const Event&) = delete;
        Event& operator=(const Event&) = delete;

      private:
        History& history_;
    };

    // An edit of a box within the current event: its text before, and the text the user asked
    // for (which a repair may change).
    void noteEdit(const TextBox& box, const QString& before, const QString& requested);

    // Whether a user event is running now.
    bool inEvent() const { return depth_ > 0; }

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
    // The whole window as it is, and put back as it was without running a handler: what lets a
    // window start each calculation afresh without being built again.
    WindowState snapshot() const { return capture(); }
    void restore(const WindowState& state) { put(state); }

  private:
    WindowState capture() const;
    void put(const WindowState& state);
    void begin(Kind kind);
    void end();
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
    int depth_ = 0;
    Kind kind_ = Kind::Passive;
    const TextBox* editedBox_ = nullptr;
    QString requested_;
    bool typing_ = false;
    bool restoring_ = false;
    bool recording_ = true;
    // The box of an open run of typing, or null.
    const TextBox* run_ = nullptr;
};

}  // namespace fournil

#pragma once

// One user event for as long as it runs. Events begun inside it are part of it. When the
// outermost one ends, the window announces what changed of its answer and tells its observers,
// whether or not the history keeps steps; the history hears every event as it begins and ends.

#include <QString>

namespace fournil {

class TextBox;
class Window;

class UserEventScope {
  public:
    // How an event may make a step of the history: an edit of a box, a command (a click on a
    // button, a key, an action) that ends a run of typing, a step of its own (a recipe or a
    // calculation put in the window) whose edits never join a run of typing, or a passive event
    // (a mouse move, a selection, a click into a box) that neither makes one nor ends one.
    enum class Kind { Edit, Command, Step, Passive };

    // A command or a passive event.
    UserEventScope(Window& w, Kind kind);
    // The user's edit of `box` into `requested`, which a repair may change.
    UserEventScope(TextBox& box, const QString& requested);
    ~UserEventScope();
    UserEventScope(const UserEventScope&) = delete;
    UserEventScope& operator=(const UserEventScope&) = delete;

    Kind kind() const { return kind_; }
    // For an edit: the box, its text before, and the text asked for; otherwise null and empty.
    const TextBox* box() const { return box_; }
    const QString& before() const { return before_; }
    const QString& requested() const { return requested_; }
    // For an edit: the selection it was made on, from its start to its end (the caret twice
    // where nothing was selected).
    int selectionFrom() const { return from_; }
    int selectionTo() const { return to_; }

  private:
    Window& window_;
    Kind kind_;
    const TextBox* box_ = nullptr;
    QString before_;
    QString requested_;
    int from_ = 0;
    int to_ = 0;
};

}  // namespace fournil

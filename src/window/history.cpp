#include "window/history.h"

#include "window/window.h"

namespace fournil {
namespace {

// One character typed or deleted: the texts differ by one character at one place.
bool oneCharacterApart(const QString& a, const QString& b) {
    const QString& longer = a.size() > b.size() ? a : b;
    const QString& shorter = a.size() > b.size() ? b : a;
    if (longer.size() != shorter.size() + 1) {
        return false;
    }
    qsizetype i = 0;
    while (i < shorter.size() && shorter[i] == longer[i]) {
        ++i;
    }
    return QStringView(shorter).mid(i) == QStringView(longer).mid(i + 1);
}

// One character typed over a selection, as a keyboard replaces it: the first keystroke of a run.
bool typedOverSelection(const UserEventScope& edit) {
    const QString& before = edit.before();
    const int from = edit.selectionFrom(), to = edit.selectionTo();
    if (from >= to || to > before.size()) {
        return false;
    }
    const QString& after = edit.requested();
    const qsizetype typed = after.size() - (before.size() - (to - from));
    const bool oneCharacter = typed == 1 || (typed == 2 && after.at(from).isHighSurrogate() &&
                                             after.at(from + 1).isLowSurrogate());
    return oneCharacter && QStringView(after).left(from) == QStringView(before).left(from) &&
           QStringView(after).mid(from + typed) == QStringView(before).mid(to);
}

}  // namespace

void History::put(const WindowState& state) {
    restoring_ = true;
    restore(window_, state);
    restoring_ = false;
    run_ = nullptr;
    last_ = snapshot(window_);
    lastValid_ = true;
    dirty_ = false;
}

void History::changed(const Control& control, Property property) {
    if (restoring_) {
        return;
    }
    switch (property) {
        case Property::SelStart:
        case Property::Focus:
        case Property::Clipboard:
        case Property::Fractions:
        case Property::Answer:
        case Property::Announcement:
            break;
        case Property::Caption:
            if (&control != &window_.Aide) {
                dirty_ = true;
            }
            break;
        default:
            dirty_ = true;
            break;
    }
}

void History::stopRecording() {
    recording_ = false;
    clear();
}

void History::eventBegan(const UserEventScope& event, bool outermost) {
    if (!recording_) {
        return;
    }
    if (!outermost) {
        if (kind_ == UserEventScope::Kind::Step || event.kind() == UserEventScope::Kind::Step) {
            kind_ = UserEventScope::Kind::Step;  // whatever it edits is part of its one step
            return;
        }
        if (event.kind() == UserEventScope::Kind::Edit) {
            noteEdit(event);
        } else if (event.kind() == UserEventScope::Kind::Command &&
                   kind_ == UserEventScope::Kind::Passive) {
            kind_ = event.kind();
        }
        return;
    }
    // What moved outside any user event (start-up, a test's own writes) is the state before.
    if (!lastValid_ || dirty_) {
        last_ = snapshot(window_);
        lastValid_ = true;
    }
    dirty_ = false;
    kind_ = event.kind();
    editedBox_ = nullptr;
    typing_ = false;
    overSelection_ = false;
    if (event.kind() == UserEventScope::Kind::Edit) {
        noteEdit(event);
    }
}

void History::noteEdit(const UserEventScope& edit) {
    editedBox_ = edit.box();
    requested_ = edit.requested();
    overSelection_ = typedOverSelection(edit);
    typing_ = overSelection_ || oneCharacterApart(edit.before(), edit.requested());
    kind_ = UserEventScope::Kind::Edit;
}

void History::eventEnded() {
    if (recording_) {
        record();
    }
}

void History::record() {
    if (!dirty_) {
        if (kind_ == UserEventScope::Kind::Command || kind_ == UserEventScope::Kind::Step) {
            run_ = nullptr;
        }
        return;
    }
    WindowState now = snapshot(window_);
    if (now.content == last_.content) {
        last_ = std::move(now);
        dirty_ = false;
        return;
    }
    const bool typed = kind_ == UserEventScope::Kind::Edit && typing_ && editedBox_ != nullptr &&
                       editedBox_->text() == requested_;
    if (!(typed && run_ == editedBox_ && !overSelection_)) {
        undo_.push_back(std::move(last_));
        if (undo_.size() > capacity) {
            undo_.pop_front();
        }
    }
    redo_.clear();
    run_ = typed ? editedBox_ : nullptr;
    last_ = std::move(now);
    dirty_ = false;
}

void History::step(std::deque<WindowState>& from, std::deque<WindowState>& to) {
    if (from.empty()) {
        return;
    }
    to.push_back(snapshot(window_));
    const WindowState state = std::move(from.back());
    from.pop_back();
    put(state);
}

void History::undo() {
    step(undo_, redo_);
}

void History::redo() {
    step(redo_, undo_);
}

void History::clear() {
    undo_.clear();
    redo_.clear();
    run_ = nullptr;
    lastValid_ = false;
}

}  // namespace fournil

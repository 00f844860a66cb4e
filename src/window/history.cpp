#include "window/history.h"

#include "window/window.h"

#include <bit>

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

bool sameState(const Window& w, const WindowState& a, const WindowState& b) {
    if (a.TypeCalcul != b.TypeCalcul || a.UniteMasse != b.UniteMasse || a.UniteH1 != b.UniteH1 ||
        a.UniteH2 != b.UniteH2 ||
        std::bit_cast<std::uint32_t>(a.FracEau1) != std::bit_cast<std::uint32_t>(b.FracEau1) ||
        std::bit_cast<std::uint32_t>(a.FracEau2) != std::bit_cast<std::uint32_t>(b.FracEau2) ||
        a.recipe != b.recipe) {
        return false;
    }
    const auto& controls = w.controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlState& x = a.controls[i];
        const ControlState& y = b.controls[i];
        // The help text is where the person is, not part of the calculation.
        const bool help = controls[i] == &w.Aide;
        if (x.left != y.left || x.top != y.top || x.visible != y.visible ||
            x.enabled != y.enabled || x.bold != y.bold || !(x.backColour == y.backColour) ||
            (!help && x.caption != y.caption) || x.text != y.text || x.selected != y.selected ||
            x.picture != y.picture) {
            return false;
        }
    }
    return true;
}

}  // namespace

History::Event::Event(Window& w, Kind kind) : history_(w.history()) {
    history_.begin(kind);
}

History::Event::~Event() {
    history_.end();
}

WindowState History::capture() const {
    const Window& w = window_;
    WindowState state;
    state.controls.resize(w.controls().size());
    for (std::size_t i = 0; i < w.controls().size(); ++i) {
        w.controls()[i]->save(state.controls[i]);
    }
    state.TypeCalcul = w.TypeCalcul;
    state.UniteMasse = w.UniteMasse;
    state.UniteH1 = w.UniteH1;
    state.UniteH2 = w.UniteH2;
    state.FracEau1 = w.FracEau1;
    state.FracEau2 = w.FracEau2;
    state.answer = w.answer;
    state.recipe = w.recipe();
    return state;
}

void History::put(const WindowState& state) {
    Window& w = window_;
    restoring_ = true;
    const QString help = w.Aide.caption();
    for (std::size_t i = 0; i < w.controls().size(); ++i) {
        w.controls()[i]->restore(state.controls[i]);
    }
    w.Aide.setCaption(help);
    w.TypeCalcul = state.TypeCalcul;
    w.UniteMasse = state.UniteMasse;
    w.UniteH1 = state.UniteH1;
    w.UniteH2 = state.UniteH2;
    w.FracEau1 = state.FracEau1;
    w.FracEau2 = state.FracEau2;
    w.answerAboutToChange();
    w.answer = state.answer;
    w.setRecipe(state.recipe);
    w.notify(w.Fournil, Property::Fractions);
    w.notify(w.Fournil, Property::Answer);
    restoring_ = false;
    run_ = nullptr;
    if (!recording_) {
        return;
    }
    last_ = capture();
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

void History::begin(Kind kind) {
    if (!recording_) {
        if (depth_++ == 0) {
            window_.userEventBegan();
        }
        return;
    }
    if (depth_++ > 0) {
        if (kind == Kind::Command && kind_ == Kind::Passive) {
            kind_ = kind;
        }
        return;
    }
    window_.userEventBegan();
    // What moved outside any user event (start-up, a test's own writes) is the state before.
    if (!lastValid_ || dirty_) {
        last_ = capture();
        lastValid_ = true;
    }
    dirty_ = false;
    kind_ = kind;
    editedBox_ = nullptr;
    typing_ = false;
}

void History::noteEdit(const TextBox& box, const QString& before, const QString& requested) {
    editedBox_ = &box;
    requested_ = requested;
    typing_ = oneCharacterApart(before, requested);
    kind_ = Kind::Edit;
}

void History::end() {
    if (--depth_ > 0) {
        return;
    }
    if (!recording_) {
        window_.userEventEnded();
        return;
    }
    record();
    window_.userEventEnded();
}

void History::record() {
    if (!dirty_) {
        if (kind_ == Kind::Command) {
            run_ = nullptr;
        }
        return;
    }
    WindowState now = capture();
    if (sameState(window_, last_, now)) {
        last_ = std::move(now);
        dirty_ = false;
        return;
    }
    const bool typed =
        kind_ == Kind::Edit && typing_ && editedBox_ != nullptr && editedBox_->text() == requested_;
    if (!(typed && run_ == editedBox_)) {
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
    to.push_back(capture());
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

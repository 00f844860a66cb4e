#include "window/window_state.h"

#include "window/window.h"

namespace fournil {

WindowState snapshot(const Window& w) {
    WindowState state;
    state.content.controls.resize(w.controls().size());
    for (std::size_t i = 0; i < w.controls().size(); ++i) {
        const Control* control = w.controls()[i];
        ControlState& kept = state.content.controls[i];
        control->save(kept);
        if (control == &w.Aide) {
            kept.caption.reset();
        }
    }
    state.content.values = static_cast<const WindowValues&>(w);
    state.content.recipe = w.recipe();
    state.content.base = w.baseTerms();
    state.answer = w.answer;
    return state;
}

void restore(Window& w, const WindowState& state) {
    for (std::size_t i = 0; i < w.controls().size(); ++i) {
        w.controls()[i]->restore(state.content.controls[i]);
    }
    static_cast<WindowValues&>(w) = state.content.values;
    w.answerAboutToChange();
    w.answer = state.answer;
    w.setRecipe(state.content.recipe);
    w.setBaseTerms(state.content.base);
    w.notify(w.Fournil, Property::Fractions);
    w.notify(w.Fournil, Property::Answer);
}

}  // namespace fournil

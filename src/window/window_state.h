#pragma once

// The whole window as a value: taken, compared and put back without running a handler. Undo
// keeps these; the command line starts each calculation afresh from one without building the
// window again.

#include "window/answer.h"
#include "window/controls.h"
#include "window/recipe.h"

#include <bit>
#include <cstdint>
#include <optional>
#include <vector>

namespace fournil {

class Window;

// Window-level values: the last selection of each option group, and the water fractions.
struct WindowValues {
    std::int16_t TypeCalcul = 0;
    std::int16_t UniteMasse = 0;
    std::int16_t UniteH1 = 0;
    std::int16_t UniteH2 = 0;
    float FracEau1 = 0.0f;
    float FracEau2 = 0.0f;
    // The fractions bit for bit: a change between zeros of either sign is a step too.
    friend bool operator==(const WindowValues& a, const WindowValues& b) {
        return a.TypeCalcul == b.TypeCalcul && a.UniteMasse == b.UniteMasse &&
               a.UniteH1 == b.UniteH1 && a.UniteH2 == b.UniteH2 &&
               std::bit_cast<std::uint32_t>(a.FracEau1) ==
                   std::bit_cast<std::uint32_t>(b.FracEau1) &&
               std::bit_cast<std::uint32_t>(a.FracEau2) == std::bit_cast<std::uint32_t>(b.FracEau2);
    }
};

// What the person set and sees: two windows alike in it are at the same step. The help text is
// not in it (its control keeps no caption here): it follows the pointer, not the calculation.
struct WindowContent {
    std::vector<ControlState> controls;  // in the order of Window::controls()
    WindowValues values;
    std::optional<RecipeInputs> recipe;
    std::optional<BaseTerms> base;
    friend bool operator==(const WindowContent&, const WindowContent&) = default;
};

struct WindowState {
    WindowContent content;
    // Put back with the content; it follows from it, so it tells no two states apart.
    Answer answer;
};

// The window as it is.
WindowState snapshot(const Window& w);
// Puts the window back as it was, every change told to observers, no handler run; the focus and
// the help text stay where the person is.
void restore(Window& w, const WindowState& state);

}  // namespace fournil

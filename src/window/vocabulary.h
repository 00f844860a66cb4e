#pragma once

// The window's units by name rather than by the index of their button: the mass unit that
// UniteMasse holds, and the two groups of hydration buttons, optionH(1) to (4) for H1 and
// optionH(5) to (8) for H2, each in the order of HydrationUnit.

#include "window/window.h"

#include <cstdint>

namespace fournil {

enum class MassUnit : std::int16_t { Grams = 1, Kilograms, LitresPerKilogram };

enum class HydrationUnit : std::int16_t {
    PercentOfDough = 1,
    PercentOfFlour,
    FractionOfDough,
    FractionOfFlour
};

enum class HydrationGroup : std::uint8_t { First, Second };

inline constexpr int hydrationUnitCount = 4;

// The index of a unit's button in optionH.
constexpr int hydrationButtonIndex(HydrationGroup group, HydrationUnit unit) {
    return int(group) * hydrationUnitCount + int(unit);
}

inline OptionButton& massButton(Window& w, MassUnit unit) {
    return w.optionU(int(unit));
}
inline const OptionButton& massButton(const Window& w, MassUnit unit) {
    return w.optionU(int(unit));
}
inline OptionButton& hydrationButton(Window& w, HydrationGroup group, HydrationUnit unit) {
    return w.optionH(hydrationButtonIndex(group, unit));
}
inline const OptionButton& hydrationButton(const Window& w, HydrationGroup group,
                                           HydrationUnit unit) {
    return w.optionH(hydrationButtonIndex(group, unit));
}

// Kilograms and litres per kilogram both weigh in kilograms.
inline bool weighsInKilograms(const Window& w) {
    return w.UniteMasse >= std::int16_t(MassUnit::Kilograms);
}

}  // namespace fournil

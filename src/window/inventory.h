#pragma once

#include "window/controls.h"

#include <QStringView>

#include <cstdint>
#include <span>

namespace fournil {

// Initial-state flags of a control; absent flags mean the defaults (visible, enabled, regular
// font, left-aligned, not selected, no typing limit).
enum Flag : std::uint16_t {
    Hidden = 1u << 0,
    Disabled = 1u << 1,
    Selected = 1u << 2,
    Bold = 1u << 3,
    Italic = 1u << 4,
    Underline = 1u << 5,
    RightAligned = 1u << 6,
    Centred = 1u << 7,
    FourCharacters = 1u << 8,  // typing limit of the hydration fields
};

struct Geometry {
    int left, top, width, height;  // twips, relative to the container's client area
};

// One row of the window's inventory: everything known about a control before start-up.
struct ControlEntry {
    QStringView name;
    int index;  // -1 outside any array
    Kind kind;
    QStringView container;  // "" for the window itself; a frame name, or "Fournil"
    int containerIndex;
    QStringView caption;  // caption or text
    Geometry geometry;
    Colour colour;
    std::uint16_t flags;

    bool has(Flag f) const { return (flags & f) != 0; }
};

inline constexpr QStringView windowName = u"Fournil";
// The window's client area, in twips; the program never changes it.
inline constexpr struct { int width, height; } clientSize{6885, 6045};
inline constexpr int typingLimit = 4;
// What a quantity or temperature box keeps of what the person types or pastes.
inline constexpr int quantityTypingLimit = 255;

// Every control of the window, the window first, containers before their contents, in the order
// the view stacks them (later rows in front).
std::span<const ControlEntry> inventory();

// The keyboard order, first to last, as (name, index) pairs.
struct ControlRef {
    QStringView name;
    int index;
};
std::span<const ControlRef> keyboardOrder();

}  // namespace fournil

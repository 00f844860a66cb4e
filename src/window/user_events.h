#pragma once

// The user's own actions on the window, as the view and the scenario driver report them. Each
// runs the handlers it triggers to their end before it returns.

#include "window/window.h"

#include <optional>

namespace fournil {

// The user's edit of a box, reported as the box's new text (the typing limit already applied
// by whoever took the keystrokes). Ignored when the box cannot be reached (hidden or disabled).
// The caret goes where the user left it, or to the end of the text when a handler repaired it.
void userEdit(TextBox& box, const QString& text, std::optional<int> caret = std::nullopt);

// The user pastes over the whole text of a box; the typing limit cuts what is pasted.
void userPaste(TextBox& box, const QString& text);

// The user types one character at the end of the box; beyond the typing limit it is refused.
void userType(TextBox& box, QStringView character);

// The user clicks a control: an option button is selected (ignored inside a disabled frame),
// the push button runs its click; a box takes the focus; anything else ignores it.
void userClick(Control& control);

// The mouse moves over a control, or over the bare window for `Fournil`.
void userHover(Control& control);

// Splits a text into the characters a person would type one by one (surrogate pairs kept whole).
QStringList typedCharacters(const QString& text);

}  // namespace fournil

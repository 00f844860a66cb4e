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

// The user pastes (Ctrl+V) where the focus is: the text replaces the focused box's selection, or
// goes in at its caret, and only as many of its leading characters as the typing limit leaves
// room for go in. Nothing happens when the focus is not on a box that can take it.
void userPasteAtCaret(Window& w, const QString& text);

// The user types one character at the end of the box; beyond the typing limit it is refused, and
// so is a character that a line edit never inserts from the keyboard (a control character).
void userType(TextBox& box, QStringView character);

// The user presses the key of one character with the focus where it is: in a box that can take
// it, the character replaces the selection or goes in at the caret, as a keyboard types it (the
// same limit and refusals as userType); anywhere else nothing happens.
void userPress(Window& w, QStringView character);

// The user moves the caret or selects with the mouse or the keyboard: the selection runs from
// `anchor` to `caret`. Ignored in a box that cannot be reached: a result keeps its caret.
void userSelect(TextBox& box, int anchor, int caret);

// The user clicks a control: an option button is selected (ignored inside a disabled frame),
// the push button runs its click; a box takes the focus with the caret at the end of its text,
// where a click after the text puts it; anything else ignores it.
void userClick(Control& control);

// The mouse moves over a control, or over the bare window for `Fournil`.
void userHover(Control& control);

// The keys of the keyboard rule: those that move the focus or type, wherever the focus is. The
// shortcuts (copy, help, …) are the window's actions (wiring/actions.h).
enum class Key {
    Tab,
    Backtab,
    Up,
    Down,
    Left,
    Right,
    Space,
    KeypadDecimal,
    Backspace,
    Delete,
};
std::optional<Key> keyNamed(QStringView name);  // "Tab" … "KP_Decimal"
QString keyName(Key key);
inline constexpr Key allKeys[] = {Key::Tab,       Key::Backtab, Key::Up,    Key::Down,
                                  Key::Left,      Key::Right,   Key::Space, Key::KeypadDecimal,
                                  Key::Backspace, Key::Delete};

// One key pressed with the focus where it is. Tab and Backtab follow the keyboard order; on an
// option button the arrows move to the next or previous button of its frame and select it, and
// Space selects it; Space clicks the push button; in a text box the arrows move the caret, Space
// types a blank, the keypad's decimal key types the locale's decimal separator, and Backspace and
// Delete take away the selection, or else the character before the caret (a surrogate pair whole)
// or the character after it as the user sees it (with its accents), as a line edit does.
void userKey(Window& w, Key key);

// Splits a text into the characters a person would type one by one (surrogate pairs kept whole).
QStringList typedCharacters(const QString& text);

}  // namespace fournil

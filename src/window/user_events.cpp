#include "window/user_events.h"

#include <QStringList>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace fournil {
namespace {

// Cuts a text to the typing limit without splitting a surrogate pair.
QString limited(const QString& text, int limit) {
    if (limit <= 0 || text.size() <= limit) {
        return text;
    }
    qsizetype cut = limit;
    if (text.at(cut - 1).isHighSurrogate()) {
        --cut;
    }
    return text.left(cut);
}

// Replaces the box's selection (or inserts at its caret) with what the user typed; refused whole
// when it would pass the typing limit.
void insertAtCaret(TextBox& box, const QString& typed) {
    const int from = std::min(box.selStart(), box.selAnchor());
    const int to = std::max(box.selStart(), box.selAnchor());
    const QString& text = box.text();
    if (text.size() - (to - from) + typed.size() > box.typedLimit()) {
        return;
    }
    userEdit(box, text.left(from) + typed + text.mid(to), from + int(typed.size()));
}

// The caret moves by whole characters as the user sees them (a surrogate pair, a letter with its
// accent); with a selection, it goes to the selection's edge on that side.
void moveCaret(TextBox& box, bool forward) {
    if (box.selLength() > 0) {
        const int edge = forward ? std::max(box.selStart(), box.selAnchor())
                                 : std::min(box.selStart(), box.selAnchor());
        box.setSelStart(edge);
        return;
    }
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, box.text());
    finder.setPosition(box.selStart());
    const qsizetype to = forward ? finder.toNextBoundary() : finder.toPreviousBoundary();
    if (to >= 0) {
        box.setSelStart(int(to));
    }
}

// Backspace takes the code point before the caret (an accent alone, a surrogate pair whole);
// Delete takes the whole character after it.
void eraseAtCaret(TextBox& box, bool forward) {
    const QString& text = box.text();
    int from = std::min(box.selStart(), box.selAnchor());
    int to = std::max(box.selStart(), box.selAnchor());
    if (from == to && forward) {
        QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
        finder.setPosition(to);
        const qsizetype next = finder.toNextBoundary();
        to = next < 0 ? to : int(next);
    } else if (from == to && from > 0) {
        from -=
            (from > 1 && text.at(from - 1).isLowSurrogate() && text.at(from - 2).isHighSurrogate())
                ? 2
                : 1;
    }
    if (from < to) {
        userEdit(box, text.left(from) + text.mid(to), from);
    }
}

void keyOnOptionButton(OptionButton& button, Key key) {
    Window& w = button.window();
    if (key == Key::Space) {
        button.setSelected(true);
        return;
    }
    const bool forward = key == Key::Down || key == Key::Right;
    if (!forward && key != Key::Up && key != Key::Left) {
        return;
    }
    std::vector<OptionButton*> group;
    for (Control* c : w.controls()) {
        if (c->kind() == Kind::OptionButton && c->container() == button.container()) {
            group.push_back(static_cast<OptionButton*>(c));
        }
    }
    std::sort(group.begin(), group.end(),
              [](const Control* a, const Control* b) { return a->index() < b->index(); });
    const auto at = std::find(group.begin(), group.end(), &button) - group.begin();
    const auto n = qsizetype(group.size());
    OptionButton& next = *group[std::size_t(((at + (forward ? 1 : -1)) % n + n) % n)];
    w.setFocus(&next, Window::FocusReason::Keyboard);
    if (w.focus() == &next) {
        next.setSelected(true);
    }
}

void keyInTextBox(TextBox& box, Key key) {
    switch (key) {
        case Key::Left:
        case Key::Right:
            moveCaret(box, key == Key::Right);
            break;
        case Key::Space:
            insertAtCaret(box, QStringLiteral(" "));
            break;
        case Key::KeypadDecimal:
            // As spreadsheets do: the keypad's key gives the decimal separator of the locale.
            insertAtCaret(box, box.window().locale().decimalPoint());
            break;
        case Key::Backspace:
        case Key::Delete:
            eraseAtCaret(box, key == Key::Delete);
            break;
        default:
            break;  // a single line: Up and Down have nowhere to go
    }
}

// Whether a line edit inserts this typed character: printable ones, format characters, private
// use and whole surrogate pairs; never a control character such as a tab or a line feed.
bool typedCharacterAccepted(QStringView character) {
    if (character.isEmpty()) {
        return false;
    }
    const QChar c = character.front();
    if (c.isHighSurrogate()) {
        return character.size() > 1 && character[1].isLowSurrogate();
    }
    return c.isPrint() || c.category() == QChar::Other_Format ||
           c.category() == QChar::Other_PrivateUse;
}

}  // namespace

QStringList typedCharacters(const QString& text) {
    QStringList characters;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        characters.append(text.mid(i, n));
        i += n - 1;
    }
    return characters;
}

void userEdit(TextBox& box, const QString& text, std::optional<int> caret) {
    if (!box.reachable()) {
        return;
    }
    const UserEventScope event(box, text);
    box.window().setFocus(&box);
    box.setText(text);
    if (box.text() == text) {
        box.setSelStart(caret.value_or(int(text.size())));
    }
}

void userPaste(TextBox& box, const QString& text) {
    userEdit(box, limited(text, box.typedLimit()));
}

void userPasteAtCaret(Window& w, const QString& text) {
    auto* box = dynamic_cast<TextBox*>(w.focus());
    if (box == nullptr || !box->reachable()) {
        return;
    }
    const int from = std::min(box->selStart(), box->selAnchor());
    const int to = std::max(box->selStart(), box->selAnchor());
    const QString& old = box->text();
    const qsizetype kept = old.size() - (to - from);
    const qsizetype room = std::max<qsizetype>(0, box->typedLimit() - kept);
    // With no room left the selection still goes, as a paste over it always takes it away.
    const QString pasted = room == 0 ? QString() : limited(text, int(room));
    userEdit(*box, old.left(from) + pasted + old.mid(to), from + int(pasted.size()));
}

void userType(TextBox& box, QStringView character) {
    if (!box.reachable() || !typedCharacterAccepted(character)) {
        return;
    }
    const UserEventScope event(box.window(), UserEventScope::Kind::Passive);
    box.window().setFocus(&box);
    box.setSelStart(int(box.text().size()));  // typing lands at the end
    insertAtCaret(box, character.toString());
}

void userPress(Window& w, QStringView character) {
    auto* box = dynamic_cast<TextBox*>(w.focus());
    if (box == nullptr || !box->reachable() || !typedCharacterAccepted(character)) {
        return;
    }
    const UserEventScope event(w, UserEventScope::Kind::Passive);
    insertAtCaret(*box, character.toString());
}

void userSelect(TextBox& box, int anchor, int caret) {
    if (!box.reachable()) {
        return;
    }
    const UserEventScope event(box.window(), UserEventScope::Kind::Passive);
    box.setSelection(anchor, caret, true);
}

void userClick(Control& control) {
    if (!control.reachable()) {
        return;
    }
    // A click on a button ends a run of typing; one into a box only places the caret, and one on
    // anything else does nothing.
    const bool button = control.kind() == Kind::OptionButton || control.kind() == Kind::Button;
    const UserEventScope event(
        control.window(), button ? UserEventScope::Kind::Command : UserEventScope::Kind::Passive);
    switch (control.kind()) {
        case Kind::OptionButton:
            control.window().setFocus(&control);
            static_cast<OptionButton&>(control).setSelected(true);
            break;
        case Kind::Button: {
            control.window().setFocus(&control);
            control.window().runHandler(static_cast<Button&>(control).onClick);
            break;
        }
        case Kind::TextBox:
            control.window().setFocus(&control);
            static_cast<TextBox&>(control).setSelStart(
                int(static_cast<TextBox&>(control).text().size()));
            break;
        default:
            break;
    }
}

void userHover(Control& control) {
    const UserEventScope event(control.window(), UserEventScope::Kind::Passive);
    // A disabled control still reaches its own handler; a hidden one is not under the mouse.
    for (const Control* c = &control; c != nullptr; c = c->container()) {
        if (!c->visible()) {
            return;
        }
    }
    control.window().runHandler(control.onMouseMove);
}

namespace {
struct KeyRow {
    Key key;
    QStringView name;
};
constexpr KeyRow keyNames[] = {
    {Key::Tab, u"Tab"},
    {Key::Backtab, u"Backtab"},
    {Key::Up, u"Up"},
    {Key::Down, u"Down"},
    {Key::Left, u"Left"},
    {Key::Right, u"Right"},
    {Key::Space, u"Space"},
    {Key::KeypadDecimal, u"KP_Decimal"},
    {Key::Backspace, u"BackSpace"},
    {Key::Delete, u"Delete"},
};
}  // namespace

std::optional<Key> keyNamed(QStringView name) {
    for (const KeyRow& row : keyNames) {
        if (row.name == name) {
            return row.key;
        }
    }
    return std::nullopt;
}

QString keyName(Key key) {
    for (const KeyRow& row : keyNames) {
        if (row.key == key) {
            return row.name.toString();
        }
    }
    return {};
}

void userKey(Window& w, Key key) {
    const UserEventScope event(w, UserEventScope::Kind::Command);
    if (key == Key::Tab || key == Key::Backtab) {
        if (Control* next = w.nextTabStop(w.focus(), key == Key::Tab)) {
            w.setFocus(next, Window::FocusReason::Tab);
        }
        return;
    }
    Control* focus = w.focus();
    if (focus == nullptr || !focus->reachable()) {
        return;
    }
    switch (focus->kind()) {
        case Kind::OptionButton:
            keyOnOptionButton(static_cast<OptionButton&>(*focus), key);
            break;
        case Kind::TextBox:
            keyInTextBox(static_cast<TextBox&>(*focus), key);
            break;
        case Kind::Button:
            if (key == Key::Space) {
                w.runHandler(static_cast<Button&>(*focus).onClick);
            }
            break;
        default:
            break;
    }
}

}  // namespace fournil

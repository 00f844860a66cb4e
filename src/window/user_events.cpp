#include "window/user_events.h"

#include <QStringList>

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
    box.window().setFocus(&box);
    box.setText(text);
    if (box.text() == text) {
        box.setSelStart(caret.value_or(int(text.size())));
    }
}

void userPaste(TextBox& box, const QString& text) {
    userEdit(box, limited(text, box.maxLength()));
}

void userType(TextBox& box, QStringView character) {
    if (!box.reachable()) {
        return;
    }
    box.window().setFocus(&box);
    if (box.maxLength() > 0 && box.text().size() + character.size() > box.maxLength()) {
        return;
    }
    box.setText(box.text() + character.toString());
}

void userClick(Control& control) {
    if (!control.reachable()) {
        return;
    }
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
            break;
        default:
            break;
    }
}

void userHover(Control& control) {
    // A disabled control still reaches its own handler; a hidden one is not under the mouse.
    for (const Control* c = &control; c != nullptr; c = c->container()) {
        if (!c->visible()) {
            return;
        }
    }
    control.window().runHandler(control.onMouseMove);
}

}  // namespace fournil

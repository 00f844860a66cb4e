#include "window/controls.h"

#include "window/inventory.h"
#include "window/window.h"

#include <algorithm>

namespace fournil {

Control::Control(Window& window, const ControlEntry& entry, Control* container)
    : window_(window),
      entry_(entry),
      container_(container),
      left_(entry.geometry.left),
      top_(entry.geometry.top),
      width_(entry.geometry.width),
      height_(entry.geometry.height),
      visible_(!entry.has(Hidden)),
      enabled_(!entry.has(Disabled)),
      bold_(entry.has(Bold)),
      italic_(entry.has(Italic)),
      underline_(entry.has(Underline)),
      backColour_(entry.colour) {}

Kind Control::kind() const {
    return entry_.kind;
}

QString Control::name() const {
    return entry_.name.toString();
}

int Control::index() const {
    return entry_.index;
}

QString Control::displayName() const {
    if (entry_.index < 0) {
        return name();
    }
    return QStringLiteral("%1(%2)").arg(entry_.name).arg(entry_.index);
}

Align Control::alignment() const {
    if (entry_.has(RightAligned)) {
        return Align::Right;
    }
    return entry_.has(Centred) ? Align::Centre : Align::Left;
}

void Control::changed(Property p) {
    window_.notify(*this, p);
}

void Control::setLeft(int twips) {
    if (left_ != twips) {
        left_ = twips;
        changed(Property::Left);
    }
}

void Control::setTop(int twips) {
    if (top_ != twips) {
        top_ = twips;
        changed(Property::Top);
    }
}

void Control::setVisible(bool visible) {
    if (visible_ != visible) {
        visible_ = visible;
        window_.moveFocusOffUnreachable(*this);
        changed(Property::Visible);
    }
}

void Control::setEnabled(bool enabled) {
    if (enabled_ != enabled) {
        enabled_ = enabled;
        window_.moveFocusOffUnreachable(*this);
        changed(Property::Enabled);
    }
}

void Control::setBold(bool bold) {
    if (bold_ != bold) {
        bold_ = bold;
        changed(Property::Bold);
    }
}

void Control::setBackColour(Colour colour) {
    if (backColour_ != colour) {
        backColour_ = colour;
        changed(Property::BackColour);
    }
}

void Control::resetToEntry() {
    if (kind() != Kind::Window) {
        setLeft(entry_.geometry.left);
        setTop(entry_.geometry.top);
    }
    setVisible(!entry_.has(Hidden));
    setEnabled(!entry_.has(Disabled));
    setBold(entry_.has(Bold));
    setBackColour(entry_.colour);
}

void Control::save(ControlState& state) const {
    state.left = left_;
    state.top = top_;
    state.visible = visible_;
    state.enabled = enabled_;
    state.bold = bold_;
    state.backColour = backColour_;
}

void Control::restore(const ControlState& state) {
    setLeft(state.left);
    setTop(state.top);
    setVisible(state.visible);
    setEnabled(state.enabled);
    setBold(state.bold);
    setBackColour(state.backColour);
}

void Captioned::save(ControlState& state) const {
    Control::save(state);
    state.caption = caption_;
}

void Captioned::restore(const ControlState& state) {
    Control::restore(state);
    if (state.caption) {
        setCaption(*state.caption);
    }
}

void TextBox::save(ControlState& state) const {
    Control::save(state);
    state.text = text_;
}

void TextBox::restore(const ControlState& state) {
    Control::restore(state);
    // Put back as it was, no change handler run. The caret is where the person is: it stays,
    // unless the text changes, when it goes to the end as after any text the program writes.
    if (text_ != state.text) {
        text_ = state.text;
        selStart_ = anchor_ = int(text_.size());
        changed(Property::Text);
        changed(Property::SelStart);
    }
}

void OptionButton::save(ControlState& state) const {
    Captioned::save(state);
    state.selected = selected_;
}

void OptionButton::restore(const ControlState& state) {
    Captioned::restore(state);
    // Put back as it was: no click is raised, the group's other buttons are put back by their
    // own states.
    if (selected_ != state.selected) {
        selected_ = state.selected;
        changed(Property::Selected);
    }
}

void PictureBox::save(ControlState& state) const {
    Control::save(state);
    state.picture = picture_;
}

void PictureBox::restore(const ControlState& state) {
    Control::restore(state);
    setPicture(state.picture);
}

void Captioned::resetToEntry() {
    Control::resetToEntry();
    setCaption(entry().caption.toString());
}

void TextBox::resetToEntry() {
    Control::resetToEntry();
    if (text_ != entry().caption) {
        text_ = entry().caption.toString();
        changed(Property::Text);
    }
    setSelection(0, 0);
}

void OptionButton::resetToEntry() {
    Captioned::resetToEntry();
    if (selected_ != entry().has(Selected)) {
        selected_ = entry().has(Selected);
        changed(Property::Selected);
    }
}

bool Control::reachable() const {
    for (const Control* c = this; c != nullptr; c = c->container()) {
        if (!c->visible() || !c->enabled()) {
            return false;
        }
    }
    return true;
}

Captioned::Captioned(Window& window, const ControlEntry& entry, Control* container)
    : Control(window, entry, container), caption_(entry.caption.toString()) {}

void Captioned::setCaption(const QString& caption) {
    if (caption_ != caption) {
        caption_ = caption;
        changed(Property::Caption);
    }
}

TextBox::TextBox(Window& window, const ControlEntry& entry, Control* container)
    : Control(window, entry, container), text_(entry.caption.toString()) {}

int TextBox::maxLength() const {
    return entry().has(FourCharacters) ? typingLimit : 0;
}

int TextBox::typedLimit() const {
    return maxLength() > 0 ? maxLength() : quantityTypingLimit;
}

void TextBox::setText(const QString& text) {
    if (text_ == text) {
        return;
    }
    text_ = text;
    changed(Property::Text);
    // The caret follows the end of a rewritten text, so typing goes on naturally after a repair.
    setSelStart(int(text_.size()));
    window().runHandler(onChange);
}

void TextBox::setSelStart(int position) {
    setSelection(position, position);
}

void TextBox::setSelection(int anchor, int caret, bool byUser) {
    selectedByUser_ = byUser;
    anchor = std::clamp(anchor, 0, int(text_.size()));
    caret = std::clamp(caret, 0, int(text_.size()));
    if (selStart_ != caret || anchor_ != anchor) {
        selStart_ = caret;
        anchor_ = anchor;
        changed(Property::SelStart);
    }
}

OptionButton::OptionButton(Window& window, const ControlEntry& entry, Control* container)
    : Captioned(window, entry, container), selected_(entry.has(Selected)) {}

void OptionButton::setSelected(bool selected) {
    if (selected_ == selected) {
        return;
    }
    selected_ = selected;
    changed(Property::Selected);
    if (!selected) {
        return;
    }
    for (Control* other : window().controls()) {
        if (other != this && other->kind() == Kind::OptionButton &&
            other->container() == container()) {
            auto* button = static_cast<OptionButton*>(other);
            if (button->selected_) {
                button->selected_ = false;
                button->changed(Property::Selected);
            }
        }
    }
    window().runHandler(onClick);
}

void PictureBox::setPicture(std::shared_ptr<const Picture> picture) {
    if (picture_ != picture) {
        picture_ = std::move(picture);
        changed(Property::Picture);
    }
}

}  // namespace fournil

#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>

namespace fournil {

class Window;

enum class Kind : std::uint8_t {
    Window,
    Frame,
    OptionButton,
    TextBox,
    Label,
    Shape,
    Button,
    Picture
};

enum class Align : std::uint8_t { Left, Right, Centre };

// A colour is either an RGB value or one of the system's colours, as the
// controls' properties distinguish them.
struct Colour {
    enum class Source : std::uint8_t { Rgb, SystemWindow, SystemButton };
    Source source = Source::SystemButton;
    std::uint32_t rgb = 0;  // 0xRRGGBB, meaningful for Source::Rgb only

    static constexpr Colour fromRgb(int r, int g, int b) {
        return {Source::Rgb, (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | std::uint32_t(b)};
    }
    static constexpr Colour systemWindow() { return {Source::SystemWindow, 0}; }
    static constexpr Colour systemButton() { return {Source::SystemButton, 0}; }
    friend bool operator==(const Colour&, const Colour&) = default;
};

inline constexpr Colour lightCyan = Colour::fromRgb(128, 255, 255);
inline constexpr Colour lightGreen = Colour::fromRgb(128, 255, 128);
inline constexpr Colour lightYellow = Colour::fromRgb(255, 255, 192);

// Every property that the model can change after creation; observers are told which one moved.
enum class Property : std::uint8_t {
    Text,
    Caption,
    Visible,
    Enabled,
    Selected,
    Left,
    Top,
    Bold,
    BackColour,
    SelStart,
    Focus,
    Picture,
    Clipboard,     // of the window: what it put on the clipboard
    Fractions,     // of the window: FracEau1 or FracEau2
    Answer,        // of the window: the answer of the last pass, or its units
    Announcement,  // of the window: what a screen reader should say now
    Recipe,        // of the window: the recipe set around the dough
};

struct ControlEntry;
class Picture;

// Everything of a control that the program changes after creation: what an undo puts back.
struct ControlState {
    int left = 0, top = 0;
    bool visible = true, enabled = true, bold = false;
    Colour backColour;
    std::optional<QString> caption;  // a control with a caption
    QString text;                    // a text box
    bool selected = false;           // an option button
    std::shared_ptr<const Picture> picture;
    friend bool operator==(const ControlState&, const ControlState&) = default;
};

// Opaque picture handle: the platform that loaded it knows what it holds.
class Picture {
  public:
    virtual ~Picture() = default;
};

// What all controls share. A control belongs to one window and never moves to another.
class Control {
  public:
    Control(Window& window, const ControlEntry& entry, Control* container);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const ControlEntry& entry() const { return entry_; }
    Kind kind() const;
    QString name() const;         // "optionL", "Q1"
    int index() const;            // -1 for a control outside any array
    QString displayName() const;  // "optionL(3)", "Q1"
    Control* container() const { return container_; }
    Window& window() const { return window_; }

    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    bool visible() const { return visible_; }
    bool enabled() const { return enabled_; }
    bool bold() const { return bold_; }
    bool italic() const { return italic_; }
    bool underline() const { return underline_; }
    Align alignment() const;
    Colour backColour() const { return backColour_; }

    void setLeft(int twips);
    void setTop(int twips);
    void setVisible(bool visible);
    void setEnabled(bool enabled);
    void setBold(bool bold);
    void setBackColour(Colour colour);

    // True when the user can reach the control: it and every container up to the window are
    // visible and enabled.
    bool reachable() const;

    // Back to the state the inventory gives it, every change told to observers but no handler
    // run; the window keeps its place on the screen.
    virtual void resetToEntry();

    // What the program has changed of it, and that state put back: every change told to
    // observers, no handler run.
    virtual void save(ControlState& state) const;
    virtual void restore(const ControlState& state);

    std::function<void()> onMouseMove;

  protected:
    void changed(Property p);

  private:
    Window& window_;
    const ControlEntry& entry_;
    Control* container_;
    int left_, top_, width_, height_;
    bool visible_, enabled_, bold_, italic_, underline_;
    Colour backColour_;
};

// A control that carries a caption: the window, frames, option buttons, labels, the push button.
class Captioned : public Control {
  public:
    Captioned(Window& window, const ControlEntry& entry, Control* container);
    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    void resetToEntry() override;
    void save(ControlState& state) const override;
    void restore(const ControlState& state) override;

  private:
    QString caption_;
};

class Frame : public Captioned {
  public:
    using Captioned::Captioned;
};

class Label : public Captioned {
  public:
    using Captioned::Captioned;
};

class Shape : public Control {
  public:
    using Control::Control;
};

class TextBox : public Control {
  public:
    TextBox(Window& window, const ControlEntry& entry, Control* container);

    const QString& text() const { return text_; }
    // A new text runs the change handler at once, nested inside this call; the same text runs
    // nothing. The program's writes are never cut to the typing limit.
    void setText(const QString& text);
    int maxLength() const;  // the property: 0 where the window sets no limit
    // What the person may type or paste into it: the hydrations keep their four characters, the
    // quantities and temperatures 255, so that no paste can make every keystroke slow. The
    // program's own writes are never cut.
    int typedLimit() const;

    // The caret and the selection, as the user left them: the selection runs from the anchor to
    // the caret (either way round); an empty one is just the caret.
    int selStart() const { return selStart_; }  // the caret
    int selAnchor() const { return anchor_; }
    int selLength() const { return std::abs(selStart_ - anchor_); }
    void setSelStart(int position);  // the caret, with nothing selected
    // `byUser`: the person selected it (with the mouse or Shift and the arrows), rather than the
    // program (a Tab into the box selects its whole text).
    void setSelection(int anchor, int caret, bool byUser = false);
    bool selectedByUser() const { return selectedByUser_ && selLength() > 0; }
    void selectAll() { setSelection(0, int(text_.size())); }

    // The text's last reading as a number, kept with the very text and locale it was read from,
    // so that a pass reads each field once however often it asks (see engine/reading.h).
    struct Reading {
        QString text;  // sharing the text's own characters while it is unchanged
        QLocale locale;
        std::optional<double> value;
    };
    const std::optional<Reading>& lastReading() const { return reading_; }
    void rememberReading(Reading reading) const { reading_ = std::move(reading); }
    void deselect() { setSelStart(selStart_); }

    std::function<void()> onChange;
    void resetToEntry() override;
    void save(ControlState& state) const override;
    void restore(const ControlState& state) override;

  private:
    QString text_;
    mutable std::optional<Reading> reading_;
    int selStart_ = 0;
    int anchor_ = 0;
    bool selectedByUser_ = false;
};

class OptionButton : public Captioned {
  public:
    OptionButton(Window& window, const ControlEntry& entry, Control* container);

    bool selected() const { return selected_; }
    // Selecting an unselected button clears the other buttons of its frame, then raises its
    // click; re-selecting or clearing raises nothing.
    void setSelected(bool selected);
    void resetToEntry() override;
    void save(ControlState& state) const override;
    void restore(const ControlState& state) override;

    std::function<void()> onClick;

  private:
    bool selected_;
};

class Button : public Captioned {
  public:
    using Captioned::Captioned;
    std::function<void()> onClick;
};

class PictureBox : public Control {
  public:
    using Control::Control;
    const std::shared_ptr<const Picture>& picture() const { return picture_; }
    void setPicture(std::shared_ptr<const Picture> picture);
    void save(ControlState& state) const override;
    void restore(const ControlState& state) override;

  private:
    std::shared_ptr<const Picture> picture_;
};

// The members of one control array, addressed by their own index. An index that the array does
// not have is a programming error.
template <class T>
class ControlArray {
  public:
    explicit ControlArray(QString name = {}) : name_(std::move(name)) {}
    void add(int index, T& control) { members_[index] = &control; }

    T& operator()(int index) const {
        auto it = members_.find(index);
        if (it == members_.end()) {
            throw std::out_of_range(
                QStringLiteral("%1(%2) does not exist").arg(name_).arg(index).toStdString());
        }
        return *it->second;
    }

  private:
    QString name_;
    std::map<int, T*> members_;
};

}  // namespace fournil

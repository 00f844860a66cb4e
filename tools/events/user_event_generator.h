#pragma once

// One generator of user events for every test that plays random sessions: the random sessions
// on the model, the model-against-widgets differential and the fuzzer. It draws set, type,
// press, select, paste, key, click and hover events (edge texts, long pastes, every key and action
// of the window) from a source of numbers: a seeded random engine, or the fuzzer's bytes. Each user
// keeps its own checks.

#include "window/user_events.h"
#include "window/window.h"
#include "wiring/actions.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <random>
#include <span>
#include <vector>

namespace fournil::events {

// A key pressed: one of the keyboard rule's, or the keys of one of the window's actions.
struct Stroke {
    std::optional<Key> key;
    const Action* action = nullptr;
    // The press a scenario named, as the window reads it (the driver's `key`); unknown: the
    // key's own, or the action's first keys.
    QKeyCombination press = Qt::Key_unknown;
    QString name() const;  // as a scenario's `key` command names it
};
// Every stroke a session can press: the keyboard rule's keys and the actions with an effect on
// the model (printing opens a dialog of the system).
const std::vector<Stroke>& allStrokes();
// Presses it on the model alone.
void press(Window& w, const Stroke& stroke);

// Texts at the edges of the fields' rules, long pastes and characters a line edit refuses.
const QStringList& edgeTexts();
// The locales the window is played in (every one known to localeNamed): its numbers read and
// write by their rules.
std::span<const char* const> localeNames();

// Where the draws come from.
class Source {
  public:
    virtual ~Source() = default;
    // A number from 0 to n − 1 (n > 0).
    virtual std::uint32_t below(std::uint32_t n) = 0;
    // A text of the source's own making, or a null text when it has none to give.
    virtual QString raw() = 0;
};

class RandomSource : public Source {
  public:
    explicit RandomSource(std::uint32_t seed) : random_(seed) {}
    std::uint32_t below(std::uint32_t n) override { return std::uint32_t(random_() % n); }
    QString raw() override;

  private:
    std::mt19937 random_;
};

// The fuzzer's input: each draw takes bytes, and a raw text is up to 510 of them read as UTF-8
// (twice what a quantity box keeps).
// Once the bytes are spent every draw gives 0.
class ByteSource : public Source {
  public:
    ByteSource(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool more() const { return at_ < size_; }
    std::uint32_t below(std::uint32_t n) override;
    QString raw() override;

  private:
    std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

struct UserEvent {
    enum class Verb { Set, Type, Press, Select, Paste, Key, Click, Hover };
    Verb verb = Verb::Hover;
    QString control;  // the control's display name
    QString text;     // set, type, press and paste
    int anchor = 0;   // select
    int caret = 0;
    Stroke stroke;  // key

    // As a scenario line.
    QString line() const;
};

// Draws one event for the window as it stands: edits mostly into boxes that can take them.
UserEvent drawEvent(const Window& w, Source& source);

// The control a display name names ("Q1", "optionL(3)").
Control& controlNamed(const Window& w, const QString& name);

// The driver's way of typing and selecting on the model: typing starts at the end of a box that
// can take it and stops when the focus leaves it; a selection gives the box the focus.
void typeAtEnd(TextBox& box, const QString& text);
// Presses the keys of a text's characters one by one, with the focus where it is.
void pressCharacters(Window& w, const QString& text);
void selectInBox(TextBox& box, int anchor, int caret);

// A text as a scenario quotes it.
QString quoted(const QString& text);

// Plays the event on the model alone, as a person's hand does: a click moves the pointer over the
// control first, typing starts at the end of the box, a selection gives the box the focus.
void play(Window& w, const UserEvent& event);

}  // namespace fournil::events

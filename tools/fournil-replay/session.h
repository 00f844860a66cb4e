#pragma once

// A session plays the user's events on one window and reads back what its controls show. The
// model session talks to the model alone; the widget session goes through the real Qt widgets.

#include "readback.h"
#include "user_event_generator.h"
#include "window/platform.h"
#include "window/user_events.h"
#include "window/window.h"

#include <QLocale>

#include <memory>

namespace fournil::replay {

struct SessionSettings {
    QLocale locale = QLocale::c();
    TwipSize screen{15360, 11520};
};

class Session {
  public:
    virtual ~Session() = default;
    virtual Window& window() = 0;
    virtual void set(TextBox& box, const QString& text) = 0;
    virtual void type(TextBox& box, const QString& text) = 0;
    // The keys of the text's characters, one by one, with the focus and the selection as they are.
    virtual void press(const QString& text) = 0;
    // A click moves the pointer over the control first, as a person's hand does.
    virtual void click(Control& control) = 0;
    virtual void hover(Control& control) = 0;
    // The user selects in a box with the mouse, from `anchor` to `caret`.
    virtual void select(TextBox& box, int anchor, int caret) = 0;
    // Ctrl+V with the text on the clipboard: it goes into the focused box, over its selection.
    // The clipboard then holds what it held before.
    virtual void paste(const QString& text) = 0;
    // One key pressed with the focus where it is: the keyboard rule's, or an action's keys.
    virtual void key(const events::Stroke& stroke) = 0;
    // What the control shows; nullopt when it has no such property.
    virtual std::optional<PropValue> read(const Control& control, QStringView property) = 0;
    // A window-level value, as the window shows it.
    virtual std::optional<PropValue> readValue(QStringView name) {
        return readWindowValue(window(), name);
    }
    // Saves a picture of the window as it shows now; false where there is no window to show.
    virtual bool saveScreenshot(const QString& /*path*/) { return false; }
    // What the window's work counts, set on it by each session (the passes a scenario reads).
    WorkCounters& counters() { return counters_; }

  protected:
    WorkCounters counters_;
};

// The screen that a scenario sets, and the window's outer size where no window manager frames
// it (the model alone, or the offscreen platform): its client area plus a fixed window's frame.
class ScriptedDisplay : public Display {
  public:
    explicit ScriptedDisplay(TwipSize screen) : screen_(screen) {}
    TwipSize screenSize() override { return screen_; }
    TwipSize windowSize() override { return {clientSize.width + 115, clientSize.height + 455}; }

  private:
    TwipSize screen_;
};

std::unique_ptr<Session> makeModelSession(const SessionSettings& settings);
// Needs a QApplication.
std::unique_ptr<Session> makeWidgetSession(const SessionSettings& settings);

}  // namespace fournil::replay

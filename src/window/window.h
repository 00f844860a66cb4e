#pragma once

// The window model. Data flow: a user event (an edit, a click, a mouse move) enters through
// user_events.h and runs the control's handler; a handler reads and writes the controls below,
// and every write of a new text runs that box's own change handler at once, nested, so handlers
// and recalculations nest synchronously; observers (the Qt view) are told of every property
// that moved and mirror it. The model is the only truth; it needs no display.

#include "window/answer.h"
#include "window/controls.h"
#include "window/history.h"
#include "window/inventory.h"
#include "window/recipe.h"
#include "window/user_event_scope.h"
#include "window/window_state.h"
#include "window/work_counters.h"

#include <QLocale>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace fournil {

class WindowObserver {
  public:
    virtual ~WindowObserver() = default;
    virtual void propertyChanged(const Control& control, Property property) = 0;
    // A user event has run to its end: what follows the whole of it (a screen reader's names)
    // is brought up to date once here rather than at each pass inside it.
    virtual void userEventEnded() {}
};

// The window-level values (WindowValues: TypeCalcul, the units, FracEau1 and FracEau2) are its
// own members, as the handlers name them.
class Window : public WindowValues {
  public:
    // Creates every control of the inventory with its initial state. No handler is bound yet
    // (see binding.h) and start-up has not run (see startup.h).
    Window();
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Controls addressed by name, for the driver and the view.
    const std::vector<Control*>& controls() const { return all_; }
    Control* find(QStringView name, int index = -1) const;
    bool isArray(QStringView name) const;

    // The answer of the last recalculation pass, which every rendering of it is drawn from.
    Answer answer;

    // The recipe set around the dough, if any (notifies Property::Recipe).
    const std::optional<RecipeInputs>& recipe() const { return recipe_; }
    void setRecipe(const std::optional<RecipeInputs>& recipe);
    // The base temperature last applied, if any (notifies Property::Recipe too: both are the
    // calculation's own additions).
    const std::optional<BaseTerms>& baseTerms() const { return baseTerms_; }
    void setBaseTerms(const std::optional<BaseTerms>& terms);

    // The locale by which numbers are read and written in the fields.
    const QLocale& locale() const { return locale_; }
    void setLocale(const QLocale& locale) { locale_ = locale; }

    // The control that has the keyboard focus. Only a reachable control takes it; when it leaves a
    // text box, that box's selection is dropped, and when it comes by the tab key, the box's whole
    // text is selected, as desktop line edits do.
    // By the tab key the box's whole text is selected; any move made by the keyboard (Tab, an
    // arrow, the focus leaving what was hidden or disabled) shows the style's focus indicator.
    enum class FocusReason { Other, Tab, Keyboard };
    Control* focus() const { return focus_; }
    // Whether the focus came by the keyboard, so that the view draws its indicator.
    bool focusByKeyboard() const { return focusByKeyboard_; }
    void setFocus(Control* control, FocusReason reason = FocusReason::Other);
    // The first control of the keyboard order that can take the focus now.
    Control* firstFocusable() const;
    // A tab stop: reachable, and in an option group the selected button, or the group's first
    // button in the keyboard order while none is selected.
    bool takesTabFocus(const Control& control) const;
    // The next (or previous) tab stop after `from` in the keyboard order, wrapping around; from
    // nowhere, the first (or last). Null when there is none besides `from`.
    Control* nextTabStop(const Control* from, bool forward) const;
    // Called when `changed` was just hidden or disabled: a focus inside it moves on to the next
    // tab stop before anyone hears of the change, so the focus never rests on what cannot take it.
    void moveFocusOffUnreachable(const Control& changed);

    // Where the window counts its passes and the depth of its handlers, or null (see
    // work_counters.h).
    WorkCounters* counters() const { return counters_; }
    void setCounters(WorkCounters* counters) { counters_ = counters; }

    // How deeply event handlers are running inside one another now. Each repair's nested run
    // ends by itself; past `maximumNesting` no further handler starts, so that even a chain that
    // failed to end could never exhaust the stack.
    static constexpr int maximumNesting = 500;
    int nesting() const { return nesting_; }
    // Runs an event handler one level deeper; false when it was not run.
    bool runHandler(const std::function<void()>& handler);

    // Whether a user event (user_event_scope.h) is running now.
    bool inUserEvent() const { return eventDepth_ > 0; }

    // Undo and redo of the user's steps.
    History& history() const { return history_; }

    void addObserver(WindowObserver* observer);
    void removeObserver(WindowObserver* observer);
    void notify(const Control& control, Property property) const;

    std::function<void()> onLoad;

    // What a screen reader says after a user event: the answer in words when the event changed
    // it (`answerWords`, bound by the wiring, renders it), or the help that F1 asked for. The
    // view hands it to the focused control.
    std::function<QString()> answerWords;
    // The answer as it is said to the focused control (the words and, on a hydration, its four
    // units).
    std::function<QString()> spokenAnswer;
    const QString& announcement() const { return announcement_; }
    // Within a user event, what an action announces itself replaces the answer's announcement.
    void announce(const QString& text);
    // Told before the answer starts to change (a pass, an undo, a new calculation), so that the
    // words it replaces are known; counts the answers.
    void answerAboutToChange();

    // What the window last put on the clipboard (the calculation, or a field's selected text).
    const QString& clipboard() const { return clipboard_; }
    void setClipboard(const QString& text);

  private:
    // Declared first: every control is created before the named references below are bound.
    std::vector<std::unique_ptr<Control>> owned_;
    std::vector<Control*> all_;

  public:
    // Named controls, as the handlers use them. `Fournil` is the window itself (caption, position,
    // background mouse moves).
    Captioned& Fournil;
    Frame& Pâte;
    Frame& Levain;
    Frame& Unités;
    ControlArray<Frame> Hydratation;
    ControlArray<OptionButton> optionL;
    ControlArray<OptionButton> optionU;
    ControlArray<OptionButton> optionH;
    TextBox& Q1;
    TextBox& Q2;
    TextBox& H1;
    TextBox& H2;
    TextBox& H1d;
    TextBox& H2d;
    ControlArray<TextBox> EF;
    ControlArray<Label> EFLabel;
    ControlArray<Label> Phrase;
    ControlArray<Label> gr;
    ControlArray<Label> X;
    Label& pourcent1;
    Label& pourcent2;
    Shape& Cadre;
    Label& Aide;
    Button& Simulation;
    PictureBox& Image1;

  private:
    friend class UserEventScope;
    void beginUserEvent(const UserEventScope& event);
    void endUserEvent();

    template <class T>
    T& named(QStringView name, int index = -1) const;
    template <class T>
    ControlArray<T> array(QStringView name) const;

    std::vector<WindowObserver*> observers_;
    mutable History history_{*this};
    QLocale locale_ = QLocale::c();
    Control* focus_ = nullptr;
    bool focusByKeyboard_ = false;
    QString clipboard_;
    std::optional<RecipeInputs> recipe_;
    std::optional<BaseTerms> baseTerms_;
    QString announcement_;
    std::optional<QString> wordsBefore_;
    bool announcedInEvent_ = false;  // an action said its own words: the answer is not said again
    long answers_ = 0;
    long answersAtBegin_ = 0;
    int eventDepth_ = 0;
    int nesting_ = 0;
    WorkCounters* counters_ = nullptr;
};

}  // namespace fournil

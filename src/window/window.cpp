#include "window/window.h"

#include "window/inventory.h"

#include <algorithm>

namespace fournil {
namespace {

std::unique_ptr<Control> create(Window& window, const ControlEntry& entry, Control* container) {
    switch (entry.kind) {
        case Kind::Window:
            return std::make_unique<Captioned>(window, entry, container);
        case Kind::Frame:
            return std::make_unique<Frame>(window, entry, container);
        case Kind::OptionButton:
            return std::make_unique<OptionButton>(window, entry, container);
        case Kind::TextBox:
            return std::make_unique<TextBox>(window, entry, container);
        case Kind::Label:
            return std::make_unique<Label>(window, entry, container);
        case Kind::Shape:
            return std::make_unique<Shape>(window, entry, container);
        case Kind::Button:
            return std::make_unique<Button>(window, entry, container);
        case Kind::Picture:
            return std::make_unique<PictureBox>(window, entry, container);
    }
    throw std::logic_error("unknown kind of control");
}

std::vector<std::unique_ptr<Control>> createAll(Window& window) {
    std::vector<std::unique_ptr<Control>> owned;
    for (const ControlEntry& entry : inventory()) {
        Control* container = nullptr;
        if (!entry.container.isEmpty()) {
            auto it = std::find_if(owned.begin(), owned.end(), [&](const auto& c) {
                return c->entry().name == entry.container && c->index() == entry.containerIndex;
            });
            if (it == owned.end()) {
                throw std::logic_error("a control's container must precede it in the inventory");
            }
            container = it->get();
        }
        owned.push_back(create(window, entry, container));
    }
    return owned;
}

std::vector<Control*> pointers(const std::vector<std::unique_ptr<Control>>& owned) {
    std::vector<Control*> all;
    for (const auto& c : owned) {
        all.push_back(c.get());
    }
    return all;
}

}  // namespace

template <class T>
T& Window::named(QStringView name, int index) const {
    Control* c = find(name, index);
    if (c == nullptr) {
        throw std::logic_error("the inventory lacks a named control");
    }
    return static_cast<T&>(*c);
}

template <class T>
ControlArray<T> Window::array(QStringView name) const {
    ControlArray<T> members(name.toString());
    for (Control* c : all_) {
        if (c->entry().name == name) {
            members.add(c->index(), static_cast<T&>(*c));
        }
    }
    return members;
}

Window::Window()
    : owned_(createAll(*this)),
      all_(pointers(owned_)),
      Fournil(named<Captioned>(u"Fournil")),
      Pâte(named<Frame>(u"Pâte")),
      Levain(named<Frame>(u"Levain")),
      Unités(named<Frame>(u"Unités")),
      Hydratation(array<Frame>(u"Hydratation")),
      optionL(array<OptionButton>(u"optionL")),
      optionU(array<OptionButton>(u"optionU")),
      optionH(array<OptionButton>(u"optionH")),
      Q1(named<TextBox>(u"Q1")),
      Q2(named<TextBox>(u"Q2")),
      H1(named<TextBox>(u"H1")),
      H2(named<TextBox>(u"H2")),
      H1d(named<TextBox>(u"H1d")),
      H2d(named<TextBox>(u"H2d")),
      EF(array<TextBox>(u"EF")),
      EFLabel(array<Label>(u"EFLabel")),
      Phrase(array<Label>(u"Phrase")),
      gr(array<Label>(u"gr")),
      X(array<Label>(u"X")),
      pourcent1(named<Label>(u"pourcent1")),
      pourcent2(named<Label>(u"pourcent2")),
      Cadre(named<Shape>(u"Cadre")),
      Aide(named<Label>(u"Aide")),
      Simulation(named<Button>(u"Simulation")),
      Image1(named<PictureBox>(u"Image1")) {}

Window::~Window() = default;

Control* Window::find(QStringView name, int index) const {
    for (Control* c : all_) {
        if (c->entry().name == name && c->index() == index) {
            return c;
        }
    }
    return nullptr;
}

bool Window::isArray(QStringView name) const {
    return std::any_of(all_.begin(), all_.end(),
                       [&](Control* c) { return c->entry().name == name && c->index() >= 0; });
}

void Window::setFocus(Control* control, FocusReason reason) {
    if (focus_ == control || (control != nullptr && !control->reachable())) {
        return;
    }
    if (focus_ != nullptr && focus_->kind() == Kind::TextBox) {
        static_cast<TextBox*>(focus_)->deselect();
    }
    focus_ = control;
    focusByKeyboard_ = reason != FocusReason::Other;
    notify(Fournil, Property::Focus);
    if (reason == FocusReason::Tab && control != nullptr && control->kind() == Kind::TextBox) {
        auto* box = static_cast<TextBox*>(control);
        box->setSelection(0, int(box->text().size()), true);  // the person's Tab selected it
    }
}

bool Window::takesTabFocus(const Control& control) const {
    if (!control.reachable()) {
        return false;
    }
    if (control.kind() != Kind::OptionButton) {
        return true;
    }
    if (static_cast<const OptionButton&>(control).selected()) {
        return true;
    }
    // A group with no selected button is still reached: by its first button in the order.
    const auto sameGroup = [&](const Control* c) {
        return c->kind() == Kind::OptionButton && c->container() == control.container();
    };
    if (std::any_of(all_.begin(), all_.end(), [&](const Control* c) {
            return sameGroup(c) && static_cast<const OptionButton*>(c)->selected();
        })) {
        return false;
    }
    for (const ControlRef& ref : keyboardOrder()) {
        const Control* c = find(ref.name, ref.index);
        if (c != nullptr && sameGroup(c)) {
            return c == &control;
        }
    }
    return false;
}

Control* Window::nextTabStop(const Control* from, bool forward) const {
    const auto order = keyboardOrder();
    const int n = int(order.size());
    int start = -1;
    for (int i = 0; i < n && from != nullptr; ++i) {
        if (find(order[std::size_t(i)].name, order[std::size_t(i)].index) == from) {
            start = i;
        }
    }
    for (int step = 1; step <= n; ++step) {
        const int i = start < 0 ? (forward ? step - 1 : n - step)
                                : ((start + (forward ? step : -step)) % n + n) % n;
        Control* c = find(order[std::size_t(i)].name, order[std::size_t(i)].index);
        if (c != nullptr && c != from && takesTabFocus(*c)) {
            return c;
        }
    }
    return nullptr;
}

Control* Window::firstFocusable() const {
    return nextTabStop(nullptr, true);
}

void Window::moveFocusOffUnreachable(const Control& changed) {
    if (focus_ == nullptr || focus_->reachable()) {
        return;
    }
    for (const Control* c = focus_; c != nullptr; c = c->container()) {
        if (c == &changed) {
            if (Control* next = nextTabStop(focus_, true)) {
                setFocus(next, FocusReason::Keyboard);
            }
            return;
        }
    }
}

bool Window::runHandler(const std::function<void()>& handler) {
    if (!handler || nesting_ >= maximumNesting) {
        return false;
    }
    ++nesting_;
    if (counters_ != nullptr) {
        counters_->deepestNesting = std::max(counters_->deepestNesting, nesting_);
    }
    struct Leave {
        int& depth;
        ~Leave() { --depth; }
    } leave{nesting_};
    handler();
    return true;
}

void Window::setRecipe(const std::optional<RecipeInputs>& recipe) {
    if (recipe_ == recipe) {
        return;
    }
    recipe_ = recipe;
    notify(Fournil, Property::Recipe);
}

void Window::setBaseTerms(const std::optional<BaseTerms>& terms) {
    if (baseTerms_ == terms) {
        return;
    }
    baseTerms_ = terms;
    notify(Fournil, Property::Recipe);
}

void Window::setClipboard(const QString& text) {
    clipboard_ = text;
    notify(Fournil, Property::Clipboard);
}

void Window::announce(const QString& text) {
    announcedInEvent_ = inUserEvent();
    announcement_ = text;
    notify(Fournil, Property::Announcement);
}

void Window::beginUserEvent(const UserEventScope& event) {
    const bool outermost = eventDepth_++ == 0;
    if (outermost) {
        // The words are rendered only around an event that records a new answer: a mouse move
        // or a caret move runs no pass and costs nothing here.
        answersAtBegin_ = answers_;
        wordsBefore_.reset();
        announcedInEvent_ = false;
    }
    history_.eventBegan(event, outermost);
}

void Window::endUserEvent() {
    if (--eventDepth_ > 0) {
        return;
    }
    history_.eventEnded();
    for (WindowObserver* observer : observers_) {
        observer->userEventEnded();
    }
    if (!answerWords || answers_ == answersAtBegin_ || announcedInEvent_) {
        return;
    }
    const QString words = answerWords();
    if (words != wordsBefore_.value_or(QString())) {
        announce(spokenAnswer ? spokenAnswer() : words);
    }
}

void Window::answerAboutToChange() {
    if (answerWords && !wordsBefore_ && inUserEvent()) {
        wordsBefore_ = answerWords();
    }
    ++answers_;
}

void Window::addObserver(WindowObserver* observer) {
    observers_.push_back(observer);
}

void Window::removeObserver(WindowObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void Window::notify(const Control& control, Property property) const {
    history_.changed(control, property);
    // A copy, so that an observer may detach itself while being told.
    const auto observers = observers_;
    for (WindowObserver* o : observers) {
        o->propertyChanged(control, property);
    }
}

}  // namespace fournil

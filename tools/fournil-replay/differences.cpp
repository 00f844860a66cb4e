#include "differences.h"

#include "readback.h"

namespace fournil::replay {

void playEvent(Session& s, const events::UserEvent& e) {
    Window& w = s.window();
    s.counters().reset();
    Control& c = events::controlNamed(w, e.control);
    switch (e.verb) {
        case events::UserEvent::Verb::Set:
            s.set(static_cast<TextBox&>(c), e.text);
            break;
        case events::UserEvent::Verb::Type:
            s.type(static_cast<TextBox&>(c), e.text);
            break;
        case events::UserEvent::Verb::Press:
            s.press(e.text);
            break;
        case events::UserEvent::Verb::Select:
            s.select(static_cast<TextBox&>(c), e.anchor, e.caret);
            break;
        case events::UserEvent::Verb::Paste:
            s.paste(e.text);
            break;
        case events::UserEvent::Verb::Key:
            s.key(e.stroke);
            break;
        case events::UserEvent::Verb::Click:
            s.click(c);
            break;
        case events::UserEvent::Verb::Hover:
            s.hover(c);
            break;
    }
}

std::optional<Difference> firstDifference(Session& model, Session& widgets) {
    Window& m = model.window();
    Window& v = widgets.window();
    for (std::size_t i = 0; i < m.controls().size(); ++i) {
        const Control& a = *m.controls()[i];
        const Control& b = *v.controls()[i];
        for (const QString& property : propertyNames(a.kind())) {
            const auto x = model.read(a, property);
            const auto y = widgets.read(b, property);
            if (x != y) {
                return Difference{a.displayName() + u'.' + property,
                                  x ? x->format() : QStringLiteral("?"),
                                  y ? y->format() : QStringLiteral("?")};
            }
        }
    }
    for (const QString& name : windowValueNames()) {
        const auto x = model.readValue(name);
        const auto y = widgets.readValue(name);
        if (x != y) {
            return Difference{name, x->format(), y->format()};
        }
    }
    return std::nullopt;
}

}  // namespace fournil::replay

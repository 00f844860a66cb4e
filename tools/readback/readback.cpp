#include "readback.h"

#include "guidance/calculation_text.h"
#include "qt/platform_qt.h"
#include "qt/widgets.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <array>
#include <charconv>

namespace fournil {

std::optional<QString> unquoted(QStringView text) {
    if (text.size() < 2 || text.front() != u'"' || text.back() != u'"') {
        return std::nullopt;
    }
    QString out;
    for (qsizetype i = 1; i + 1 < text.size(); ++i) {
        QChar c = text[i];
        if (c == u'"') {
            return std::nullopt;
        }
        if (c == u'\\') {
            if (i + 2 >= text.size()) {
                return std::nullopt;
            }
            c = text[++i];
            if (c == u'n') {
                c = u'\n';
            } else if (c != u'"' && c != u'\\') {
                return std::nullopt;
            }
        }
        out += c;
    }
    return out;
}

QString PropValue::bare() const {
    switch (type) {
        case Type::Text:
        case Type::Word:
            return text;
        case Type::Bool:
            return number != 0 ? QStringLiteral("true") : QStringLiteral("false");
        case Type::Int:
            return QString::number(number);
    }
    return {};
}

QString PropValue::format() const {
    return type == Type::Text ? quoted(text) : bare();
}

QString colourName(Colour colour) {
    switch (colour.source) {
        case Colour::Source::SystemWindow:
            return QStringLiteral("window");
        case Colour::Source::SystemButton:
            return QStringLiteral("button");
        case Colour::Source::Rgb:
            break;
    }
    return QStringLiteral("#%1").arg(colour.rgb, 6, 16, QLatin1Char('0')).toUpper();
}

QString floatText(float value) {
    std::array<char, 32> buffer{};
    auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::general, 7);
    return QString::fromLatin1(buffer.data(), ec == std::errc() ? end - buffer.data() : 0);
}

namespace {

using qt::CaptionLabel;
using qt::twipsPerPixel;

QString alignmentName(Align align) {
    switch (align) {
        case Align::Right:
            return QStringLiteral("right");
        case Align::Centre:
            return QStringLiteral("centre");
        case Align::Left:
            break;
    }
    return QStringLiteral("left");
}

// A position in twips: the model's exact value, as long as the widget really covers the pixels
// of the place the model gives it (a caption too wide for its place widens its widget);
// otherwise the widget's own pixels, so that a misplaced widget shows.
int twips(const qt::FournilView& view, const QWidget* widget, const Control& c, int exact,
          int pixel) {
    const QRect place = view.placeOf(c);
    const QRect shown = widget->isWindow()
                            ? QRect(widget->frameGeometry().topLeft(), widget->size())
                            : widget->geometry();
    return shown.contains(place) ? exact : qRound(pixel * twipsPerPixel / view.scale());
}

QString colourOf(const QWidget* widget, Kind kind) {
    const QPalette::ColorRole role = kind == Kind::TextBox ? QPalette::Base : QPalette::Window;
    const QColor colour = widget->palette().color(QPalette::Active, role);
    const QPalette system = QApplication::palette();
    if (colour == system.color(QPalette::Active, QPalette::Base)) {
        return QStringLiteral("window");
    }
    if (colour == system.color(QPalette::Active, QPalette::Window)) {
        return QStringLiteral("button");
    }
    return QStringLiteral("#%1").arg(colour.rgb() & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
}

QString captionOf(const QWidget* widget, Kind kind) {
    switch (kind) {
        case Kind::Window:
            return widget->windowTitle();
        case Kind::Frame:
            return static_cast<const QGroupBox*>(widget)->title();
        case Kind::OptionButton:
        case Kind::Button:
            return static_cast<const QAbstractButton*>(widget)->text();
        case Kind::Label:
            return static_cast<const CaptionLabel*>(widget)->caption();
        default:
            return {};
    }
}

const TextBox& box(const Control& c) {
    return static_cast<const TextBox&>(c);
}
const QLineEdit& edit(const QWidget& widget) {
    return static_cast<const QLineEdit&>(widget);
}
const QRect frame(const QWidget& widget) {
    return widget.isWindow() ? widget.frameGeometry() : widget.geometry();
}

constexpr unsigned kinds(std::initializer_list<Kind> list) {
    unsigned mask = 0;
    for (Kind k : list) {
        mask |= 1u << unsigned(k);
    }
    return mask;
}
constexpr unsigned allKinds = ~0u;

using ModelReader = PropValue (*)(const Window&, const Control&);
using WidgetReader = PropValue (*)(const qt::FournilView&, const QWidget&, const Control&);

// Every readable property once: its name, the kinds of control that have it, and how the model
// and the widgets show it (no widget reader: the model's value). In the order `dump` lists them.
struct Readable {
    QStringView name;
    unsigned kinds;
    ModelReader model;
    WidgetReader widget;
};

// clang-format off
const Readable readables[] = {
    {u"text", kinds({Kind::TextBox}),
     [](const Window&, const Control& c) { return PropValue::ofText(box(c).text()); },
     [](const qt::FournilView&, const QWidget& w, const Control&) {
         return PropValue::ofText(edit(w).text()); }},
    {u"selstart", kinds({Kind::TextBox}),
     [](const Window&, const Control& c) { return PropValue::ofInt(box(c).selStart()); },
     [](const qt::FournilView&, const QWidget& w, const Control&) {
         return PropValue::ofInt(edit(w).cursorPosition()); }},
    {u"sellength", kinds({Kind::TextBox}),
     [](const Window&, const Control& c) { return PropValue::ofInt(box(c).selLength()); },
     [](const qt::FournilView&, const QWidget& w, const Control&) {
         return PropValue::ofInt(edit(w).selectionLength()); }},
    {u"tooltip", kinds({Kind::TextBox}),
     [](const Window& w, const Control& c) { return PropValue::ofText(hydrationTooltip(w, box(c))); },
     [](const qt::FournilView&, const QWidget& w, const Control&) {
         return PropValue::ofText(w.toolTip()); }},
    {u"maxlength", kinds({Kind::TextBox}),
     [](const Window&, const Control& c) { return PropValue::ofInt(box(c).maxLength()); },
     [](const qt::FournilView&, const QWidget& w, const Control& c) {
         return PropValue::ofInt(edit(w).validator() != nullptr ? box(c).maxLength() : -1); }},
    {u"caption", kinds({Kind::Window, Kind::Frame, Kind::OptionButton, Kind::Label, Kind::Button}),
     [](const Window&, const Control& c) {
         return PropValue::ofText(static_cast<const Captioned&>(c).caption()); },
     [](const qt::FournilView&, const QWidget& w, const Control& c) {
         return PropValue::ofText(captionOf(&w, c.kind())); }},
    {u"selected", kinds({Kind::OptionButton}),
     [](const Window&, const Control& c) {
         return PropValue::ofBool(static_cast<const OptionButton&>(c).selected()); },
     [](const qt::FournilView&, const QWidget& w, const Control&) {
         return PropValue::ofBool(static_cast<const QRadioButton&>(w).isChecked()); }},
    {u"alignment", kinds({Kind::Label}),
     [](const Window&, const Control& c) { return PropValue::ofWord(alignmentName(c.alignment())); },
     [](const qt::FournilView&, const QWidget& w, const Control&) {
         const Qt::Alignment a = static_cast<const qt::CaptionLabel&>(w).alignment();
         return PropValue::ofWord(alignmentName(a & Qt::AlignRight     ? Align::Right
                                                : a & Qt::AlignHCenter ? Align::Centre
                                                                       : Align::Left)); }},
    {u"picture", kinds({Kind::Picture}),
     [](const Window&, const Control& c) {
         return PropValue::ofBool(static_cast<const PictureBox&>(c).picture() != nullptr); },
     [](const qt::FournilView&, const QWidget& w, const Control&) {
         return PropValue::ofBool(!static_cast<const QLabel&>(w).pixmap().isNull()); }},
    {u"visible", allKinds,
     [](const Window&, const Control& c) { return PropValue::ofBool(c.visible()); },
     [](const qt::FournilView&, const QWidget& w, const Control&) {
         return PropValue::ofBool(w.isWindow() ? w.isVisible() : !w.isHidden()); }},
    {u"enabled", allKinds,
     [](const Window&, const Control& c) { return PropValue::ofBool(c.enabled()); },
     // The control's own state: a button of a disabled frame is greyed out by its frame.
     [](const qt::FournilView&, const QWidget& w, const Control& c) {
         return PropValue::ofBool(c.kind() == Kind::TextBox ? !edit(w).isReadOnly()
                                                            : !w.testAttribute(Qt::WA_ForceDisabled)); }},
    {u"left", allKinds,
     [](const Window&, const Control& c) { return PropValue::ofInt(c.left()); },
     [](const qt::FournilView& view, const QWidget& w, const Control& c) {
         return PropValue::ofInt(twips(view, &w, c, c.left(), frame(w).x())); }},
    {u"top", allKinds,
     [](const Window&, const Control& c) { return PropValue::ofInt(c.top()); },
     [](const qt::FournilView& view, const QWidget& w, const Control& c) {
         return PropValue::ofInt(twips(view, &w, c, c.top(), frame(w).y())); }},
    {u"width", allKinds,
     [](const Window&, const Control& c) { return PropValue::ofInt(c.width()); },
     [](const qt::FournilView& view, const QWidget& w, const Control& c) {
         return PropValue::ofInt(twips(view, &w, c, c.width(), w.width())); }},
    {u"height", allKinds,
     [](const Window&, const Control& c) { return PropValue::ofInt(c.height()); },
     [](const qt::FournilView& view, const QWidget& w, const Control& c) {
         return PropValue::ofInt(twips(view, &w, c, c.height(), w.height())); }},
    {u"bold", allKinds,
     [](const Window&, const Control& c) { return PropValue::ofBool(c.bold()); },
     [](const qt::FournilView&, const QWidget& w, const Control&) {
         return PropValue::ofBool(w.font().bold()); }},
    {u"italic", allKinds,
     [](const Window&, const Control& c) { return PropValue::ofBool(c.italic()); },
     [](const qt::FournilView&, const QWidget& w, const Control&) {
         return PropValue::ofBool(w.font().italic()); }},
    {u"underline", allKinds,
     [](const Window&, const Control& c) { return PropValue::ofBool(c.underline()); },
     [](const qt::FournilView&, const QWidget& w, const Control&) {
         return PropValue::ofBool(w.font().underline()); }},
    {u"backcolor", allKinds,
     [](const Window&, const Control& c) { return PropValue::ofWord(colourName(c.backColour())); },
     [](const qt::FournilView&, const QWidget& w, const Control& c) {
         return PropValue::ofWord(colourOf(&w, c.kind())); }},
    {u"focus", kinds({Kind::Window}),
     [](const Window& w, const Control&) {
         return PropValue::ofText(w.focus() != nullptr ? w.focus()->displayName() : QString()); },
     [](const qt::FournilView& view, const QWidget&, const Control&) {
         const Control* focused = controlOfWidget(view, QApplication::focusWidget());
         return PropValue::ofText(focused != nullptr ? focused->displayName() : QString()); }},
    {u"passes", kinds({Kind::Window}),
     [](const Window& w, const Control&) { return PropValue::ofInt(w.counters() != nullptr ? w.counters()->passes : 0); },
     nullptr},
};
// clang-format on

const Readable* readable(Kind kind, QStringView name) {
    for (const Readable& r : readables) {
        if (r.name == name && (r.kinds & (1u << unsigned(kind))) != 0) {
            return &r;
        }
    }
    return nullptr;
}

}  // namespace

QStringList propertyNames(Kind kind) {
    QStringList names;
    for (const Readable& r : readables) {
        if ((r.kinds & (1u << unsigned(kind))) != 0) {
            names << r.name.toString();
        }
    }
    return names;
}

std::optional<PropValue> readProperty(const Window& w, const Control& c, QStringView name) {
    const Readable* r = readable(c.kind(), name);
    if (r == nullptr) {
        return std::nullopt;
    }
    return r->model(w, c);
}

const Control* controlOfWidget(const qt::FournilView& view, const QWidget* widget) {
    for (const Control* c : view.model().controls()) {
        if (widget != nullptr && view.widgetOf(*c) == widget) {
            return c;
        }
    }
    return nullptr;
}

std::optional<PropValue> readWidget(const qt::FournilView& view, const Control& c,
                                    QStringView name) {
    const Readable* r = readable(c.kind(), name);
    const QWidget* widget = view.widgetOf(c);
    if (r == nullptr || widget == nullptr) {
        return std::nullopt;
    }
    return r->widget != nullptr ? r->widget(view, *widget, c) : r->model(view.model(), c);
}

QStringList windowValueNames() {
    return {QStringLiteral("TypeCalcul"), QStringLiteral("UniteMasse"), QStringLiteral("UniteH1"),
            QStringLiteral("UniteH2"),    QStringLiteral("FracEau1"),   QStringLiteral("FracEau2"),
            QStringLiteral("Clipboard")};
}

std::optional<PropValue> readWindowValue(const Window& w, QStringView name) {
    const std::pair<QStringView, std::int16_t> integers[] = {{u"TypeCalcul", w.TypeCalcul},
                                                             {u"UniteMasse", w.UniteMasse},
                                                             {u"UniteH1", w.UniteH1},
                                                             {u"UniteH2", w.UniteH2}};
    for (const auto& [n, value] : integers) {
        if (name == n) {
            return PropValue::ofInt(value);
        }
    }
    if (name == u"FracEau1") {
        return PropValue::ofWord(floatText(w.FracEau1));
    }
    if (name == u"FracEau2") {
        return PropValue::ofWord(floatText(w.FracEau2));
    }
    if (name == u"Clipboard") {
        return PropValue::ofText(w.clipboard());
    }
    return std::nullopt;
}

}  // namespace fournil

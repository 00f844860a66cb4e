#include "window/properties.h"

#include <array>
#include <charconv>

namespace fournil {

QString quoted(const QString& text) {
    QString out = QStringLiteral("\"");
    for (QChar c : text) {
        if (c == u'"' || c == u'\\') {
            out += u'\\';
            out += c;
        } else if (c == u'\n') {
            out += QStringLiteral("\\n");
        } else {
            out += c;
        }
    }
    out += u'"';
    return out;
}

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

QStringList propertyNames(Kind kind) {
    QStringList names;
    switch (kind) {
        case Kind::TextBox:
            names << QStringLiteral("text") << QStringLiteral("selstart")
                  << QStringLiteral("sellength") << QStringLiteral("maxlength");
            break;
        case Kind::OptionButton:
            names << QStringLiteral("caption") << QStringLiteral("selected");
            break;
        case Kind::Label:
            names << QStringLiteral("caption") << QStringLiteral("alignment");
            break;
        case Kind::Window:
        case Kind::Frame:
        case Kind::Button:
            names << QStringLiteral("caption");
            break;
        case Kind::Picture:
            names << QStringLiteral("picture");
            break;
        case Kind::Shape:
            break;
    }
    names << QStringLiteral("visible") << QStringLiteral("enabled") << QStringLiteral("left")
          << QStringLiteral("top") << QStringLiteral("width") << QStringLiteral("height")
          << QStringLiteral("bold") << QStringLiteral("italic") << QStringLiteral("underline")
          << QStringLiteral("backcolor");
    if (kind == Kind::Window) {
        names << QStringLiteral("focus") << QStringLiteral("passes");
    }
    return names;
}

std::optional<PropValue> readProperty(const Window& w, const Control& c, QStringView name) {
    if (!propertyNames(c.kind()).contains(name)) {
        return std::nullopt;
    }
    if (name == u"text") {
        return PropValue::ofText(static_cast<const TextBox&>(c).text());
    }
    if (name == u"selstart") {
        return PropValue::ofInt(static_cast<const TextBox&>(c).selStart());
    }
    if (name == u"sellength") {
        return PropValue::ofInt(static_cast<const TextBox&>(c).selLength());
    }
    if (name == u"maxlength") {
        return PropValue::ofInt(static_cast<const TextBox&>(c).maxLength());
    }
    if (name == u"caption") {
        return PropValue::ofText(static_cast<const Captioned&>(c).caption());
    }
    if (name == u"selected") {
        return PropValue::ofBool(static_cast<const OptionButton&>(c).selected());
    }
    if (name == u"alignment") {
        static const QString names[] = {QStringLiteral("left"), QStringLiteral("right"),
                                        QStringLiteral("centre")};
        return PropValue::ofWord(names[int(c.alignment())]);
    }
    if (name == u"picture") {
        return PropValue::ofBool(static_cast<const PictureBox&>(c).picture() != nullptr);
    }
    if (name == u"focus") {
        return PropValue::ofText(w.focus() != nullptr ? w.focus()->displayName() : QString());
    }
    if (name == u"passes") {
        return PropValue::ofInt(w.passes());
    }
    if (name == u"backcolor") {
        return PropValue::ofWord(colourName(c.backColour()));
    }
    const std::pair<QStringView, bool> flags[] = {
        {u"visible", c.visible()}, {u"enabled", c.enabled()},     {u"bold", c.bold()},
        {u"italic", c.italic()},   {u"underline", c.underline()},
    };
    for (const auto& [flag, value] : flags) {
        if (name == flag) {
            return PropValue::ofBool(value);
        }
    }
    const std::pair<QStringView, int> numbers[] = {
        {u"left", c.left()}, {u"top", c.top()}, {u"width", c.width()}, {u"height", c.height()}};
    for (const auto& [number, value] : numbers) {
        if (name == number) {
            return PropValue::ofInt(value);
        }
    }
    return std::nullopt;
}

QStringList windowValueNames() {
    return {QStringLiteral("TypeCalcul"), QStringLiteral("UniteMasse"), QStringLiteral("UniteH1"),
            QStringLiteral("UniteH2"),    QStringLiteral("FracEau1"),   QStringLiteral("FracEau2")};
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
    return std::nullopt;
}

}  // namespace fournil

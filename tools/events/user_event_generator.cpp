#include "user_event_generator.h"

#include <iterator>

namespace fournil::events {
namespace {

QString fromUtf16(const char16_t* text) {
    return QString::fromUtf16(text);
}

}  // namespace

QString Stroke::name() const {
    return key ? keyName(*key) : action->keys[0].toString();
}

const std::vector<Stroke>& allStrokes() {
    static const std::vector<Stroke> strokes = [] {
        std::vector<Stroke> all;
        for (Key key : allKeys) {
            all.push_back({key, nullptr});
        }
        for (const Action& action : actions()) {
            if (action.run != nullptr) {
                all.push_back({std::nullopt, &action});
            }
        }
        return all;
    }();
    return strokes;
}

void press(Window& w, const Stroke& stroke) {
    if (stroke.key) {
        userKey(w, *stroke.key);
    } else {
        runAction(w, *stroke.action);
    }
}

const QStringList& edgeTexts() {
    static const QStringList texts = [] {
        QStringList t;
        for (const char16_t* text : {u"",
                                     u"0",
                                     u"1",
                                     u"-1",
                                     u"5",
                                     u"13",
                                     u"50",
                                     u"70",
                                     u"72",
                                     u"99",
                                     u"100",
                                     u"150",
                                     u"1200",
                                     u"-100",
                                     u"12,5",
                                     u"12.5",
                                     u",5",
                                     u"0,5",
                                     u"-0,5",
                                     u"2/3",
                                     u"abc",
                                     u"-",
                                     u",",
                                     u".",
                                     u"1e5",
                                     u"1e308",
                                     u"9999",
                                     u"36,63",
                                     u"8,83",
                                     u"12,83",
                                     u"65,50",
                                     u"1234560",
                                     u" 7 ",
                                     u"  ",
                                     u"\t5",
                                     u"5\n",
                                     u"12,",
                                     u"1\u00a0000",
                                     u"\u00a0",
                                     u"\u2212"
                                     u"5",
                                     u"\u0663",
                                     u"\u0661\u0662",
                                     u"\uff11\uff12",
                                     u"70\U0001F35E"}) {
            t << fromUtf16(text);
        }
        t << QStringLiteral("1") + QString(320, u'0') << QString(400, u'7');
        return t;
    }();
    return texts;
}

std::span<const char* const> localeNames() {
    static constexpr const char* names[] = {"C", "fr_FR", "en_US", "de_DE"};
    return names;
}

QString RandomSource::raw() {
    // Characters that other alphabets, keyboards and clipboards bring, control characters and a
    // lone surrogate among them.
    static const QString pool =
        fromUtf16(
            u"0123456789,.-+eE /\t\n\r\u00a0\u2212\u0661\u066b\uff11\u00e9\u200b\U0001F35Ex") +
        QChar(0xD800);
    QString text;
    for (std::uint32_t n = below(13); n > 0; --n) {
        text += pool[qsizetype(below(std::uint32_t(pool.size())))];
    }
    return text;
}

std::uint32_t ByteSource::below(std::uint32_t n) {
    std::uint32_t value = byte();
    if (n > 256) {
        value = value << 8 | byte();
    }
    return value % n;
}

QString ByteSource::raw() {
    const std::size_t n = std::min<std::size_t>(below(511), size_ - at_);
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data_ + at_), qsizetype(n));
    at_ += n;
    return text;
}

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

QString UserEvent::line() const {
    switch (verb) {
        case Verb::Set:
            return QStringLiteral("set %1 %2").arg(control, quoted(text));
        case Verb::Type:
            return QStringLiteral("type %1 %2").arg(control, quoted(text));
        case Verb::Press:
            return QStringLiteral("press %1").arg(quoted(text));
        case Verb::Select:
            return QStringLiteral("select %1 %2 %3").arg(control).arg(anchor).arg(caret);
        case Verb::Paste:
            return QStringLiteral("paste %1").arg(quoted(text));
        case Verb::Key:
            return QStringLiteral("key %1").arg(stroke.name());
        case Verb::Click:
            return QStringLiteral("click %1").arg(control);
        case Verb::Hover:
            return QStringLiteral("hover %1").arg(control);
    }
    return {};
}

namespace {

// A pasted text: mostly one at a rule's edge, sometimes the source's own, sometimes a long one.
QString drawText(Source& source) {
    const QStringList& texts = edgeTexts();
    switch (source.below(16)) {
        case 0:
            if (QString raw = source.raw(); !raw.isNull()) {
                return raw;
            }
            break;
        case 1:
            return texts[qsizetype(source.below(std::uint32_t(texts.size())))].repeated(
                qsizetype(1 + source.below(200)));
        default:
            break;
    }
    return texts[qsizetype(source.below(std::uint32_t(texts.size())))];
}

// A few typed characters: digits, separators, a blank, a letter, a tab that a line edit refuses.
QString drawTyped(Source& source) {
    if (source.below(8) == 0) {
        if (QString raw = source.raw(); !raw.isNull()) {
            return raw.left(8);
        }
    }
    static const QString typed = QStringLiteral("0123456789,.- a/\t");
    QString text;
    for (std::uint32_t n = source.below(3) + 1; n > 0; --n) {
        text += typed[qsizetype(source.below(std::uint32_t(typed.size())))];
    }
    return text;
}

// Mostly a box that can take the edit; now and then one that cannot.
const TextBox* drawBox(const Window& w, Source& source) {
    std::vector<const TextBox*> boxes;
    for (const Control* c : w.controls()) {
        if (c->kind() == Kind::TextBox && (c->reachable() || source.below(10) == 0)) {
            boxes.push_back(static_cast<const TextBox*>(c));
        }
    }
    return boxes.empty() ? nullptr : boxes[source.below(std::uint32_t(boxes.size()))];
}

}  // namespace

UserEvent drawEvent(const Window& w, Source& source) {
    const auto& all = w.controls();
    const Control& control = *all[source.below(std::uint32_t(all.size()))];
    UserEvent e;
    e.control = control.displayName();
    const std::uint32_t dice = source.below(100);
    if (dice < 50) {
        const TextBox* box = drawBox(w, source);
        if (box == nullptr) {
            return e;  // a hover
        }
        e.control = box->displayName();
        if (dice < 22) {
            e.verb = UserEvent::Verb::Set;
            e.text = drawText(source);
        } else if (dice < 34) {
            e.verb = UserEvent::Verb::Type;
            e.text = drawTyped(source);
        } else if (dice < 38) {
            // At the caret of the focused box, over what a selection, a Tab or start-up selected.
            e.verb = UserEvent::Verb::Press;
            e.text = drawTyped(source);
        } else if (dice < 42) {
            // Into the focused box, over what a selection, a Tab or a click left selected.
            e.verb = UserEvent::Verb::Paste;
            e.text = drawText(source);
        } else {
            e.verb = UserEvent::Verb::Select;
            const auto size = std::uint32_t(box->text().size()) + 1;
            e.anchor = int(source.below(size));
            e.caret = int(source.below(size));
        }
    } else if (dice < 72) {
        e.verb = UserEvent::Verb::Key;
        const auto& strokes = allStrokes();
        e.stroke = strokes[source.below(std::uint32_t(strokes.size()))];
    } else if (dice < 87) {
        e.verb = UserEvent::Verb::Click;
    }
    return e;
}

Control& controlNamed(const Window& w, const QString& name) {
    const qsizetype paren = name.indexOf(u'(');
    Control* c =
        paren < 0 ? w.find(name) : w.find(name.left(paren), name.mid(paren + 1).chopped(1).toInt());
    return *c;
}

void typeAtEnd(TextBox& box, const QString& text) {
    Window& w = box.window();
    if (!box.reachable()) {
        return;
    }
    w.setFocus(&box);
    box.setSelStart(int(box.text().size()));
    for (const QString& character : typedCharacters(text)) {
        if (w.focus() != &box) {
            break;
        }
        userType(box, character);
    }
}

void pressCharacters(Window& w, const QString& text) {
    for (const QString& character : typedCharacters(text)) {
        userPress(w, character);
    }
}

void selectInBox(TextBox& box, int anchor, int caret) {
    if (!box.reachable()) {
        return;
    }
    box.window().setFocus(&box);
    userSelect(box, anchor, caret);
}

void play(Window& w, const UserEvent& e) {
    Control& c = controlNamed(w, e.control);
    switch (e.verb) {
        case UserEvent::Verb::Set:
            userPaste(static_cast<TextBox&>(c), e.text);
            break;
        case UserEvent::Verb::Type:
            typeAtEnd(static_cast<TextBox&>(c), e.text);
            break;
        case UserEvent::Verb::Press:
            pressCharacters(w, e.text);
            break;
        case UserEvent::Verb::Select:
            selectInBox(static_cast<TextBox&>(c), e.anchor, e.caret);
            break;
        case UserEvent::Verb::Paste:
            userPasteAtCaret(w, e.text);
            break;
        case UserEvent::Verb::Key:
            press(w, e.stroke);
            break;
        case UserEvent::Verb::Click:
            userHover(c);
            userClick(c);
            break;
        case UserEvent::Verb::Hover:
            userHover(c);
            break;
    }
}

}  // namespace fournil::events

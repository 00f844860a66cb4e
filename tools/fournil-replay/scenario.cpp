#include "scenario.h"

#include "engine/numbers.h"
#include "qt/keys.h"
#include "wiring/actions.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <charconv>
#include <cstdio>
#include <stdexcept>

namespace fournil::replay {
namespace {

// A fault of the script itself: unknown command, control, index or property.
struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const QString& message) {
    throw ScriptError(message.toStdString());
}

void writeLine(std::FILE* stream, const QString& line) {
    const QByteArray bytes = line.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fputc('\n', stream);
}

// A key as a scenario names it, read as the window reads it: a key of the keyboard rule, or one
// of an action with an effect on the model (printing opens a dialog of the system).
std::optional<events::Stroke> strokeNamed(QStringView name) {
    const auto press = qt::keyPressNamed(name);
    if (!press) {
        return std::nullopt;
    }
    const qt::KeyMeaning meaning = qt::keyMeaning(*press);
    if (meaning.action != nullptr) {
        if (meaning.action->run == nullptr) {
            return std::nullopt;
        }
        return events::Stroke{std::nullopt, meaning.action, *press};
    }
    if (meaning.key) {
        return events::Stroke{meaning.key, nullptr, *press};
    }
    return std::nullopt;
}

// Splits "word rest": the first word, and what follows the single blank after it, blanks kept.
std::pair<QString, QString> firstWord(const QString& line) {
    const qsizetype blank = line.indexOf(u' ');
    if (blank < 0) {
        return {line, QString()};
    }
    return {line.left(blank), line.mid(blank + 1)};
}

// A text argument: one quoted string with escapes, or the rest of the line as it stands.
QString textArgument(const QString& raw) {
    if (raw.startsWith(u'"')) {
        if (auto text = unquoted(raw.trimmed())) {
            return *text;
        }
        fail(QStringLiteral("malformed quoted text: %1").arg(raw));
    }
    return raw;
}

QLocale knownLocale(const QString& name) {
    const auto locale = localeNamed(name);
    if (!locale) {
        fail(QStringLiteral("unknown locale: %1").arg(name));
    }
    return *locale;
}

struct Ref {
    Control* control = nullptr;  // null for a window-level value
    QString property;            // the property, or the window-level value's name
};

class Player {
  public:
    Player(const QString& file, const SessionFactory& factory) : file_(file), factory_(factory) {}

    Session& session() {
        if (!session_) {
            session_ = factory_(settings_);
        }
        return *session_;
    }

    Outcome run(const QStringList& lines) {
        Outcome outcome;
        for (int i = 0; i < lines.size(); ++i) {
            line_ = i + 1;
            QString line = lines[i];
            if (line.endsWith(u'\r')) {
                line.chop(1);
            }
            if (line.trimmed().isEmpty() || line.trimmed().startsWith(u'#')) {
                continue;
            }
            try {
                if (!command(line)) {
                    ++outcome.failures;
                }
            } catch (const ScriptError& e) {
                writeLine(stderr, QStringLiteral("%1:%2: error: %3")
                                      .arg(file_)
                                      .arg(line_)
                                      .arg(QString::fromUtf8(e.what())));
                outcome.scriptError = true;
                return outcome;
            }
        }
        return outcome;
    }

  private:
    // Returns false when an expectation failed.
    bool command(const QString& line) {
        auto [verb, rest] = firstWord(line);
        if (verb == u"locale") {
            before(QStringLiteral("locale"), commands_ > 0);
            settings_.locale = knownLocale(rest.trimmed());
        } else if (verb == u"screen") {
            before(QStringLiteral("screen"), session_ != nullptr);
            const QStringList size = rest.split(u' ', Qt::SkipEmptyParts);
            bool w = false, h = false;
            if (size.size() == 2) {
                settings_.screen = {size[0].toInt(&w), size[1].toInt(&h)};
            }
            if (!w || !h) {
                fail(QStringLiteral("screen takes a width and a height in twips"));
            }
        } else if (verb == u"set" || verb == u"type") {
            auto [name, text] = firstWord(rest);
            Control& c = control(name);
            if (c.kind() != Kind::TextBox) {
                fail(QStringLiteral("%1 is not a text box").arg(name));
            }
            session().counters().reset();
            auto& box = static_cast<TextBox&>(c);
            if (verb == u"set") {
                session().set(box, textArgument(text));
            } else {
                session().type(box, textArgument(text));
            }
        } else if (verb == u"click" || verb == u"hover") {
            Control& c = control(rest.trimmed());
            session().counters().reset();
            if (verb == u"click") {
                session().click(c);
            } else {
                session().hover(c);
            }
        } else if (verb == u"select") {
            const QStringList words = rest.split(u' ', Qt::SkipEmptyParts);
            bool a = false, c = false;
            const int anchor = words.size() == 3 ? words[1].toInt(&a) : 0;
            const int caret = words.size() == 3 ? words[2].toInt(&c) : 0;
            if (!a || !c) {
                fail(QStringLiteral("select takes a box, an anchor and a caret"));
            }
            Control& box = control(words[0]);
            if (box.kind() != Kind::TextBox) {
                fail(QStringLiteral("%1 is not a text box").arg(words[0]));
            }
            session().counters().reset();
            session().select(static_cast<TextBox&>(box), anchor, caret);
        } else if (verb == u"press") {
            session().counters().reset();
            session().press(textArgument(rest));
        } else if (verb == u"paste") {
            session().counters().reset();
            session().paste(textArgument(rest));
        } else if (verb == u"key") {
            const auto stroke = strokeNamed(rest.trimmed());
            if (!stroke) {
                fail(QStringLiteral("unknown key: %1").arg(rest.trimmed()));
            }
            session().counters().reset();
            session().key(*stroke);
        } else if (verb == u"expect") {
            auto [ref, expected] = firstWord(rest.trimmed());
            return expect(ref, expected.trimmed());
        } else if (verb == u"print") {
            const QString ref = rest.trimmed();
            writeLine(stdout, QStringLiteral("%1=%2").arg(ref, read(parseRef(ref)).format()));
        } else if (verb == u"dump") {
            dump();
        } else {
            fail(QStringLiteral("unknown command: %1").arg(verb));
        }
        ++commands_;
        return true;
    }

    void before(const QString& what, bool tooLate) {
        if (tooLate) {
            fail(QStringLiteral("%1 must come before the commands it affects").arg(what));
        }
    }

    Control& control(const QString& token) {
        static const QRegularExpression form(QStringLiteral("^([^()]+)(?:\\((-?\\d+)\\))?$"));
        const auto match = form.match(token);
        if (!match.hasMatch()) {
            fail(QStringLiteral("malformed control: %1").arg(token));
        }
        const QString name = match.captured(1);
        const bool indexed = match.hasCaptured(2);
        Window& w = session().window();
        if (w.isArray(name) != indexed) {
            fail(indexed ? QStringLiteral("%1 is not a control array").arg(name)
                         : QStringLiteral("%1 needs an index").arg(name));
        }
        Control* c = w.find(name, indexed ? match.captured(2).toInt() : -1);
        if (c == nullptr) {
            fail(QStringLiteral("no such control: %1").arg(token));
        }
        return *c;
    }

    Ref parseRef(const QString& token) {
        const qsizetype dot = token.lastIndexOf(u'.');
        if (dot < 0) {
            if (!windowValueNames().contains(token)) {
                fail(QStringLiteral("unknown window-level value: %1").arg(token));
            }
            return {nullptr, token};
        }
        Ref ref{&control(token.left(dot)), token.mid(dot + 1)};
        if (!propertyNames(ref.control->kind()).contains(ref.property)) {
            fail(QStringLiteral("%1 has no property %2").arg(token.left(dot), ref.property));
        }
        return ref;
    }

    PropValue read(const Ref& ref) {
        auto value = ref.control != nullptr ? session().read(*ref.control, ref.property)
                                            : session().readValue(ref.property);
        if (!value) {
            fail(QStringLiteral("cannot read %1").arg(ref.property));
        }
        return *value;
    }

    bool expect(const QString& refToken, const QString& expected) {
        const PropValue actual = read(parseRef(refToken));
        if (matches(actual, expected)) {
            return true;
        }
        writeLine(stdout, QStringLiteral("%1:%2: %3: expected %4, got %5")
                              .arg(file_)
                              .arg(line_)
                              .arg(refToken, expected, actual.format()));
        return false;
    }

    static bool matches(const PropValue& actual, const QString& expected) {
        QString want = expected;
        if (expected.startsWith(u'"')) {
            auto text = unquoted(expected);
            if (!text) {
                fail(QStringLiteral("malformed quoted value: %1").arg(expected));
            }
            want = *text;
        }
        const QString have = actual.bare();
        if (have == want) {
            return true;
        }
        if (actual.type == PropValue::Type::Word) {
            // Colours in either case; fractions by their single-precision value.
            if (have.compare(want, Qt::CaseInsensitive) == 0) {
                return true;
            }
            const QByteArray a = have.toLatin1(), b = want.toLatin1();
            float x = 0, y = 0;
            const auto ra = std::from_chars(a.data(), a.data() + a.size(), x);
            const auto rb = std::from_chars(b.data(), b.data() + b.size(), y);
            return ra.ec == std::errc() && ra.ptr == a.data() + a.size() && rb.ec == std::errc() &&
                   rb.ptr == b.data() + b.size() && x == y;
        }
        return false;
    }

    void dump() {
        Window& w = session().window();
        for (Control* c : w.controls()) {
            for (const QString& property : propertyNames(c->kind())) {
                writeLine(stdout,
                          QStringLiteral("%1.%2=%3")
                              .arg(c->displayName(), property, read({c, property}).format()));
            }
        }
        for (const QString& name : windowValueNames()) {
            writeLine(stdout, QStringLiteral("%1=%2").arg(name, read({nullptr, name}).format()));
        }
    }

    QString file_;
    const SessionFactory& factory_;
    SessionSettings settings_;
    std::unique_ptr<Session> session_;
    int line_ = 0;
    int commands_ = 0;
};

}  // namespace

Outcome playScenario(const QString& path, const SessionFactory& factory,
                     const std::function<void(Session&)>& atEnd) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        writeLine(stderr, QStringLiteral("%1: error: cannot read the scenario").arg(path));
        return {0, true};
    }
    const QString text = QString::fromUtf8(file.readAll());
    Player player(path, factory);
    const Outcome outcome = player.run(text.split(u'\n'));
    if (atEnd && !outcome.scriptError) {
        atEnd(player.session());
    }
    return outcome;
}

}  // namespace fournil::replay

#include "qt/keys.h"

#include "wiring/actions.h"

#include <QGuiApplication>

#include <iterator>
#include <vector>

namespace fournil::qt {
namespace {

struct KeyRow {
    Key key;
    QKeyCombination press;  // the first row of a key is the press the driver makes
};

// The keypad's own modifier counts only where a row asks for it: its arrows are the arrows.
constexpr KeyRow keyRows[] = {
    {Key::Tab, Qt::Key_Tab},
    {Key::Backtab, Qt::SHIFT | Qt::Key_Backtab},
    {Key::Backtab, Qt::Key_Backtab},
    {Key::Backtab, Qt::SHIFT | Qt::Key_Tab},
    {Key::Up, Qt::Key_Up},
    {Key::Down, Qt::Key_Down},
    {Key::Left, Qt::Key_Left},
    {Key::Right, Qt::Key_Right},
    {Key::Space, Qt::Key_Space},
    {Key::Backspace, Qt::Key_Backspace},
    {Key::Delete, Qt::Key_Delete},
    // The keypad's decimal key is one or the other, by keyboard layout.
    {Key::KeypadDecimal, Qt::KeypadModifier | Qt::Key_Period},
    {Key::KeypadDecimal, Qt::KeypadModifier | Qt::Key_Comma},
};

// Qt's own for each StandardKey, in its order.
constexpr QKeySequence::StandardKey qtStandardKeys[] = {
    QKeySequence::UnknownKey, QKeySequence::Undo,         QKeySequence::Redo,
    QKeySequence::Copy,       QKeySequence::New,          QKeySequence::Print,
    QKeySequence::ZoomIn,     QKeySequence::ZoomOut,      QKeySequence::Close,
    QKeySequence::Quit,       QKeySequence::HelpContents,
};
static_assert(std::size(qtStandardKeys) == std::size_t(StandardKey::Help) + 1);

QList<QKeySequence> keysOf(const Action& action, bool withStandard) {
    QList<QKeySequence> keys;
    for (QStringView k : action.keys) {
        if (!k.isEmpty()) {
            keys << QKeySequence::fromString(k.toString(), QKeySequence::PortableText);
        }
    }
    for (StandardKey standard : action.standard) {
        if (!withStandard || standard == StandardKey::None) {
            continue;
        }
        for (const QKeySequence& k :
             QKeySequence::keyBindings(qtStandardKeys[std::size_t(standard)])) {
            if (!keys.contains(k)) {
                keys << k;
            }
        }
    }
    return keys;
}

// Every key of every action is matched exactly first (Alt+Shift+Backspace is a redo before it is
// an undo with Shift); then a sign that takes Shift on the keyboard ("+" on most layouts) counts
// without it.
const Action* actionPressed(QKeyCombination press) {
    const bool letter = press.key() >= Qt::Key_A && press.key() <= Qt::Key_Z;
    const QKeySequence unshifted(
        QKeyCombination(press.keyboardModifiers() & ~Qt::ShiftModifier, press.key()));
    for (const QKeySequence& wanted : {QKeySequence(press), unshifted}) {
        for (const Action& row : actions()) {
            if (actionKeys(row).contains(wanted)) {
                return &row;
            }
        }
        if (letter) {
            break;
        }
    }
    return nullptr;
}

std::optional<Key> keyboardKey(QKeyCombination pressed) {
    const Qt::KeyboardModifiers modifiers = pressed.keyboardModifiers() & ~Qt::KeypadModifier;
    const bool keypad = pressed.keyboardModifiers().testFlag(Qt::KeypadModifier);
    for (const KeyRow& row : keyRows) {
        const Qt::KeyboardModifiers wanted = row.press.keyboardModifiers();
        if (row.press.key() == pressed.key() && (wanted & ~Qt::KeypadModifier) == modifiers &&
            (keypad || !wanted.testFlag(Qt::KeypadModifier))) {
            return row.key;
        }
    }
    return std::nullopt;
}

}  // namespace

const QList<QKeySequence>& actionKeys(const Action& action) {
    // Read once; again only if an application has started since, with the platform's keys.
    static bool withStandard = false;
    static std::vector<QList<QKeySequence>> keys;
    const bool application = qGuiApp != nullptr;
    if (keys.empty() || withStandard != application) {
        withStandard = application;
        keys.clear();
        for (const Action& row : actions()) {
            keys.push_back(keysOf(row, withStandard));
        }
    }
    return keys[std::size_t(&action - actions().data())];
}

KeyMeaning keyMeaning(QKeyCombination pressed) {
    KeyMeaning meaning;
    // The keypad's keys count as the others, for the actions and the paste.
    const QKeyCombination press(pressed.keyboardModifiers() & ~Qt::KeypadModifier, pressed.key());
    meaning.action = actionPressed(press);
    if (qGuiApp != nullptr) {
        // As QKeyEvent::matches reads it: the group switch of some layouts makes no difference.
        const QKeySequence plain(
            QKeyCombination(press.keyboardModifiers() & ~Qt::GroupSwitchModifier, press.key()));
        meaning.paste = QKeySequence::keyBindings(QKeySequence::Paste).contains(plain);
    }
    meaning.key = keyboardKey(pressed);
    return meaning;
}

QKeyCombination keyPress(Key key) {
    for (const KeyRow& row : keyRows) {
        if (row.key == key) {
            return row.press;
        }
    }
    return Qt::Key_unknown;
}

std::optional<QKeyCombination> keyPressNamed(QStringView name) {
    if (const auto key = keyNamed(name)) {
        return keyPress(*key);
    }
    const QKeySequence sequence =
        QKeySequence::fromString(name.toString(), QKeySequence::PortableText);
    if (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown) {
        return std::nullopt;
    }
    return sequence[0];
}

}  // namespace fournil::qt

#pragma once

// What a screen reader reads of a line edit, answered by Fournil itself: Qt 6.4's own accessible
// line edit never returns when asked for the word at the end of its text (the window then spins
// for good) and reports an empty attribute run at offset 0, which Orca takes as the end of the
// line (it then drops a value's last digit). Every line edit of the program gets this one.

#include <QAccessible>
#include <QString>

class QLineEdit;

namespace fournil::qt {

struct TextRange {
    int start = 0;
    int end = 0;
    friend bool operator==(const TextRange&, const TextRange&) = default;
};

enum class TextSide { Before, At, After };

// The piece of a one-line text at, before or after an offset for a boundary: a character, a word
// with the blanks after it, or the whole text for a sentence, a line, a paragraph or no boundary.
// Every offset answers at once: one past the end gives the last word or line (and no character),
// an offset out of the text is taken at its nearest end, an empty text gives 0..0.
TextRange textRange(const QString& text, int offset, QAccessible::TextBoundaryType boundary,
                    TextSide side);

// Writes the program's own text into a line edit without telling a screen reader that text was
// removed and inserted: Orca takes such a change of the focused box, after a command key, for a
// cut or a paste ("Sélection coupée vers le presse-papiers" after Ctrl+N); the window announces
// what changed instead. The caret's move is still told.
void setTextQuietly(QLineEdit* edit, const QString& text);

// The accessible factory's answer for a line edit (nullptr for any other object).
QAccessibleInterface* lineEditAccessible(const QString& className, QObject* object);

}  // namespace fournil::qt

#include "qt/accessible_text.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <vector>

namespace fournil::qt {

namespace {

// The character at an offset, a surrogate pair whole.
TextRange characterAt(const QString& text, int offset) {
    const int length = int(text.size());
    if (offset >= length) {
        return {length, length};
    }
    if (offset > 0 && text[offset].isLowSurrogate() && text[offset - 1].isHighSurrogate()) {
        --offset;
    }
    const bool pair =
        offset + 1 < length && text[offset].isHighSurrogate() && text[offset + 1].isLowSurrogate();
    return {offset, offset + (pair ? 2 : 1)};
}

TextRange character(const QString& text, int offset, TextSide side) {
    const int length = int(text.size());
    const TextRange at = characterAt(text, offset);
    switch (side) {
        case TextSide::At:
            return at;
        case TextSide::Before:
            return at.start == 0 ? TextRange{0, 0} : characterAt(text, at.start - 1);
        case TextSide::After:
            return at.end >= length ? TextRange{length, length} : characterAt(text, at.end);
    }
    return at;
}

// Where words start (a word runs to the next one, its blanks with it), and the text's ends.
std::vector<int> wordStarts(const QString& text) {
    std::vector<int> starts{0};
    for (int i = 1; i < int(text.size()); ++i) {
        if (text[i - 1].isSpace() && !text[i].isSpace()) {
            starts.push_back(i);
        }
    }
    starts.push_back(int(text.size()));
    return starts;
}

TextRange word(const QString& text, int offset, TextSide side) {
    const int length = int(text.size());
    const std::vector<int> starts = wordStarts(text);
    // The word holding the offset; one past the end belongs to the last word.
    const auto after =
        std::upper_bound(starts.begin(), starts.end() - 1, std::min(offset, length - 1));
    const auto index = std::size_t(after - starts.begin()) - 1;
    switch (side) {
        case TextSide::At:
            return {starts[index], starts[index + 1]};
        case TextSide::Before:
            return index == 0 ? TextRange{0, 0} : TextRange{starts[index - 1], starts[index]};
        case TextSide::After:
            return index + 2 < starts.size() ? TextRange{starts[index + 1], starts[index + 2]}
                                             : TextRange{length, length};
    }
    return {};
}

// The text as a screen reader may read it: a password's characters are not told.
QString shownText(const QLineEdit* edit) {
    switch (edit->echoMode()) {
        case QLineEdit::Normal:
            return edit->text();
        case QLineEdit::NoEcho:
            return {};
        default:
            return edit->displayText();
    }
}

class LineEditAccessible : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface {
  public:
    explicit LineEditAccessible(QLineEdit* edit)
        : QAccessibleWidget(edit, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        if (type == QAccessible::EditableTextInterface) {
            return static_cast<QAccessibleEditableTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) {
            return shownText(edit());
        }
        return QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString& text) override {
        if (t == QAccessible::Value) {
            replaceText(0, characterCount(), text);
        } else {
            QAccessibleWidget::setText(t, text);
        }
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = !edit()->isReadOnly();
        s.readOnly = edit()->isReadOnly();
        s.passwordEdit = edit()->echoMode() != QLineEdit::Normal;
        s.selectableText = true;
        return s;
    }

    // The selection and the caret, as the line edit holds them.
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index == 0 && edit()->hasSelectedText()) {
            *start = edit()->selectionStart();
            *end = *start + edit()->selectionLength();
        }
    }
    int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0) {
            edit()->deselect();
        }
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0) {
            const auto [from, to] = clamped(start, end);
            edit()->setSelection(from, to - from);
        }
    }
    int cursorPosition() const override { return edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }

    QString text(int start, int end) const override {
        const auto [from, to] = clamped(start, end);
        return shownText(edit()).mid(from, to - from);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                             int* end) const override {
        return piece(offset, boundary, TextSide::Before, start, end);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                         int* end) const override {
        return piece(offset, boundary, TextSide::At, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                            int* end) const override {
        return piece(offset, boundary, TextSide::After, start, end);
    }
    int characterCount() const override { return int(shownText(edit()).size()); }

    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override {
        return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int end) override {
        edit()->setCursorPosition(end);
        edit()->setCursorPosition(start);
    }
    // A line edit's text has one look: its run is the whole text, wherever it is asked.
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

    // Edits made by an assistive technology are the user's: through the line edit's own insert,
    // which its validator limits and whose textEdited the view forwards to the model.
    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        if (edit()->isReadOnly()) {
            return;
        }
        const auto [from, to] = clamped(start, end);
        edit()->setSelection(from, to - from);
        edit()->insert(text);
    }

  private:
    QLineEdit* edit() const { return static_cast<QLineEdit*>(widget()); }

    std::pair<int, int> clamped(int start, int end) const {
        const int length = characterCount();
        if (end < 0) {
            end = length;  // AT-SPI's "to the end"
        }
        start = std::clamp(start, 0, length);
        return {start, std::clamp(end, start, length)};
    }

    QString piece(int offset, QAccessible::TextBoundaryType boundary, TextSide side, int* start,
                  int* end) const {
        const QString shown = shownText(edit());
        if (offset == -2) {
            offset = edit()->cursorPosition();  // AT-SPI's "at the caret"
        } else if (offset < 0) {
            offset = int(shown.size());
        }
        const TextRange range = textRange(shown, offset, boundary, side);
        *start = range.start;
        *end = range.end;
        return shown.mid(range.start, range.end - range.start);
    }
};

QRect LineEditAccessible::characterRect(int offset) const {
    const QLineEdit* e = edit();
    const QString shown = shownText(e);
    if (offset < 0 || offset >= shown.size()) {
        return {};
    }
    // Where the line edit draws its text: its contents less its margins and Qt's 2 pixels on
    // either side; a text that scrolls is not followed (a box's number fits it).
    QStyleOptionFrame option;
    option.initFrom(e);
    option.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    const QRect contents = e->style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, e)
                               .marginsRemoved(e->textMargins())
                               .adjusted(2, 0, -2, 0);
    const QFontMetrics metrics = e->fontMetrics();
    const Qt::Alignment align = QStyle::visualAlignment(e->layoutDirection(), e->alignment());
    int left = contents.left();
    if (align & Qt::AlignRight) {
        left = contents.right() + 1 - metrics.horizontalAdvance(shown);
    } else if (align & Qt::AlignHCenter) {
        left = contents.left() + (contents.width() - metrics.horizontalAdvance(shown)) / 2;
    }
    const TextRange c = characterAt(shown, offset);
    const int x = left + metrics.horizontalAdvance(shown.left(c.start));
    const int y = contents.top() + (contents.height() - metrics.height()) / 2;
    const QRect local(x, y, metrics.horizontalAdvance(shown.mid(c.start, c.end - c.start)),
                      metrics.height());
    return QRect(e->mapToGlobal(local.topLeft()), local.size());
}

}  // namespace

namespace {

const QObject* quietEdit = nullptr;
QAccessible::UpdateHandler previousHandler = nullptr;

void dropTextChanges(QAccessibleEvent* event) {
    const QAccessible::Event type = event->type();
    if (event->object() == quietEdit &&
        (type == QAccessible::TextUpdated || type == QAccessible::TextInserted ||
         type == QAccessible::TextRemoved)) {
        return;
    }
    if (previousHandler != nullptr) {
        previousHandler(event);
        return;
    }
    // Anything else goes to the screen reader as usual: through Qt's own path, this handler
    // set aside for the time of the call.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(dropTextChanges);
}

}  // namespace

void setTextQuietly(QLineEdit* edit, const QString& text) {
    if (!QAccessible::isActive()) {
        edit->setText(text);
        return;
    }
    quietEdit = edit;
    previousHandler = QAccessible::installUpdateHandler(dropTextChanges);
    edit->setText(text);
    QAccessible::installUpdateHandler(previousHandler);
    previousHandler = nullptr;
    quietEdit = nullptr;
}

TextRange textRange(const QString& text, int offset, QAccessible::TextBoundaryType boundary,
                    TextSide side) {
    const int length = int(text.size());
    if (length == 0) {
        return {};
    }
    offset = std::clamp(offset, 0, length);
    switch (boundary) {
        case QAccessible::CharBoundary:
            return character(text, offset, side);
        case QAccessible::WordBoundary:
            return word(text, offset, side);
        case QAccessible::SentenceBoundary:
        case QAccessible::ParagraphBoundary:
        case QAccessible::LineBoundary:
        case QAccessible::NoBoundary:
            break;
    }
    // One line, one sentence: nothing stands before or after it.
    switch (side) {
        case TextSide::Before:
            return {0, 0};
        case TextSide::After:
            return {length, length};
        case TextSide::At:
            break;
    }
    return {0, length};
}

QAccessibleInterface* lineEditAccessible(const QString&, QObject* object) {
    if (auto* edit = qobject_cast<QLineEdit*>(object)) {
        return new LineEditAccessible(edit);
    }
    return nullptr;
}

}  // namespace fournil::qt

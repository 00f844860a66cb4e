#include "qt/widgets.h"

#include <QPainter>

namespace fournil::qt {

CaptionLabel::CaptionLabel(Align align, QWidget* parent) : QWidget(parent) {
    switch (align) {
        case Align::Left:
            align_ = Qt::AlignLeft;
            break;
        case Align::Right:
            align_ = Qt::AlignRight;
            break;
        case Align::Centre:
            align_ = Qt::AlignHCenter;
            break;
    }
}

void CaptionLabel::setCaption(const QString& caption) {
    if (caption_ != caption) {
        caption_ = caption;
        update();
    }
}

void CaptionLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (autoFillBackground()) {
        painter.fillRect(rect(), palette().color(QPalette::Window));
    }
    painter.setPen(palette().color(QPalette::WindowText));
    // Only a label tall enough for several lines (the help area) wraps its words.
    const bool lines = height() >= 2 * fontMetrics().lineSpacing();
    painter.drawText(
        rect(),
        int(align_ | Qt::AlignTop) | Qt::TextIncludeTrailingSpaces | (lines ? Qt::TextWordWrap : 0),
        caption_);
}

void FilledRectangle::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

TypingLimit::TypingLimit(const TextBox& box, QObject* parent) : QValidator(parent), box_(box) {}

QValidator::State TypingLimit::validate(QString& input, int& position) const {
    const int limit = box_.maxLength();
    const QString& before = box_.text();
    if (limit <= 0 || input.size() <= limit || input.size() <= before.size()) {
        return Acceptable;  // within the limit, the program's own write, or nothing added
    }
    qsizetype from = std::min(box_.selStart(), box_.selAnchor());
    qsizetype to = std::max(box_.selStart(), box_.selAnchor());
    // A drop lands where the mouse let go, not at the caret: find the one place where the kept
    // head and tail of the old text meet the new one.
    const auto fits = [&](qsizetype f, qsizetype t) {
        return input.size() >= f + (before.size() - t) && input.startsWith(before.left(f)) &&
               input.endsWith(before.mid(t));
    };
    if (!fits(from, to)) {
        from = 0;
        while (from < before.size() && from < input.size() && before[from] == input[from]) {
            ++from;
        }
        to = from;
        if (!fits(from, to)) {
            return Invalid;
        }
    }
    const qsizetype kept = from + (before.size() - to);
    const qsizetype inserted = input.size() - kept;
    qsizetype take = std::clamp<qsizetype>(limit - kept, 0, inserted);
    if (take > 0 && input[from + take - 1].isHighSurrogate()) {
        --take;
    }
    if (take == 0 && from == to) {
        return Invalid;  // nothing fits: the keystroke is refused
    }
    input = before.left(from) + input.mid(from, take) + before.mid(to);
    position = int(from + take);
    return Acceptable;
}

}  // namespace fournil::qt

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
    if (limit <= 0 || input.size() <= limit) {
        return Acceptable;
    }
    // The model still holds the text before the edit: what is new lies between the common
    // beginning and the common end of the two texts.
    const QString& before = box_.text();
    qsizetype head = 0;
    while (head < before.size() && head < input.size() && before[head] == input[head]) {
        ++head;
    }
    qsizetype tail = 0;
    while (tail < before.size() - head && tail < input.size() - head &&
           before[before.size() - 1 - tail] == input[input.size() - 1 - tail]) {
        ++tail;
    }
    const qsizetype kept = head + tail;
    const qsizetype inserted = input.size() - kept;
    const qsizetype room = std::max<qsizetype>(0, limit - kept);
    if (inserted <= room) {
        return Acceptable;  // a deletion from an over-long text the program wrote
    }
    qsizetype take = room;
    if (take > 0 && input[head + take - 1].isHighSurrogate()) {
        --take;
    }
    input = input.left(head + take) + input.right(tail);
    position = int(head + take);
    return Acceptable;
}

}  // namespace fournil::qt

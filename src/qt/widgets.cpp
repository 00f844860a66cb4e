#include "qt/widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <QRadioButton>

namespace fournil::qt {

namespace {

// A screen reader reads a caption label as static text, its caption with the blanks that place
// it left out.
class CaptionLabelAccessible : public QAccessibleWidget {
  public:
    explicit CaptionLabelAccessible(CaptionLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            return static_cast<const CaptionLabel*>(widget())->caption().trimmed();
        }
        return QAccessibleWidget::text(t);
    }
};

// The option buttons leave exclusivity to the model, which Qt would take for check boxes: they
// are radio buttons to a screen reader, checked or not, pressed by its action.
class OptionButtonAccessible : public QAccessibleWidget {
  public:
    explicit OptionButtonAccessible(QRadioButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button()->isChecked();
        return s;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            return button()->text();
        }
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            button()->click();
        }
    }

  private:
    QRadioButton* button() const { return static_cast<QRadioButton*>(widget()); }
};

QAccessibleInterface* windowAccessible(const QString&, QObject* object) {
    if (auto* label = dynamic_cast<CaptionLabel*>(object)) {
        return new CaptionLabelAccessible(label);
    }
    if (auto* button = qobject_cast<QRadioButton*>(object)) {
        return new OptionButtonAccessible(button);
    }
    return nullptr;
}

}  // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(windowAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

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
        // As a QLabel does: a screen reader hears the new text, the help's above all.
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
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
    if (limit <= 0 || input.size() <= limit || input == before) {
        return Acceptable;  // within the limit, or the program's own write
    }
    // What the edit replaced: the selection (or the caret) it was made on.
    qsizetype from = std::min(box_.selStart(), box_.selAnchor());
    qsizetype to = std::max(box_.selStart(), box_.selAnchor());
    const auto fits = [&](qsizetype f, qsizetype t) {
        return input.size() >= f + (before.size() - t) && input.startsWith(before.left(f)) &&
               input.endsWith(before.mid(t));
    };
    if (!fits(from, to)) {
        // An edit away from the caret (a drop, a deletion next to it): the one span where the
        // two texts differ.
        from = 0;
        while (from < before.size() && from < input.size() && before[from] == input[from]) {
            ++from;
        }
        qsizetype tail = 0;
        while (tail < before.size() - from && tail < input.size() - from &&
               before[before.size() - 1 - tail] == input[input.size() - 1 - tail]) {
            ++tail;
        }
        to = before.size() - tail;
    }
    const qsizetype kept = from + (before.size() - to);
    const qsizetype inserted = input.size() - kept;
    const qsizetype room = std::max<qsizetype>(0, limit - kept);
    if (inserted <= room) {
        return Acceptable;  // nothing added beyond the limit, as a deletion from a long text
    }
    qsizetype take = room;
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

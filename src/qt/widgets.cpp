#include "qt/widgets.h"

#include "qt/accessible_text.h"
#include "qt/menu_focus.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPainter>

#include <QRadioButton>
#include <algorithm>
#include <vector>

namespace fournil::qt {

namespace {

// A screen reader reads a caption label as static text, its caption with the blanks that place
// it left out.
class CaptionLabelAccessible : public QAccessibleWidget {
  public:
    explicit CaptionLabelAccessible(CaptionLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}
    // The name the window gives it, else its caption.
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            const QString named = widget()->accessibleName();
            return named.isEmpty() ? static_cast<const CaptionLabel*>(widget())->caption().trimmed()
                                   : named;
        }
        return QAccessibleWidget::text(t);
    }
    // An empty line (the correction before there is one, the help before any) is not read out,
    // nor a number already read within its line.
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = s.invisible || text(QAccessible::Name).isEmpty() ||
                      widget()->property("readWithItsLine").toBool();
        return s;
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
    // Not labelled by their frame, which Qt would say: a screen reader already names the frame on
    // entering it, and would name it again before every button.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        auto all = QAccessibleWidget::relations(match);
        const QObject* frame = widget()->parent();
        all.removeIf([frame](const auto& r) {
            return r.second == QAccessible::Label && r.first->object() == frame;
        });
        return all;
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

// The window reads its controls as a person does: row by row from the top, each row from the left
// of its visible words (a right-aligned label's words start where its text starts, not where the
// label does), so the sentence is read in order although its labels overlap.
class ReadingOrderAccessible : public QAccessibleWidget {
  public:
    explicit ReadingOrderAccessible(QWidget* window)
        : QAccessibleWidget(window, QAccessible::Window) {}
    int childCount() const override { return int(ordered().size()); }
    QAccessibleInterface* child(int index) const override {
        const auto children = ordered();
        return index >= 0 && index < int(children.size())
                   ? QAccessible::queryAccessibleInterface(children[std::size_t(index)])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto children = ordered();
        const auto at = std::find(children.begin(), children.end(), child->object());
        return at == children.end() ? -1 : int(at - children.begin());
    }

  private:
    std::vector<QWidget*> ordered() const {
        std::vector<QWidget*> children;
        for (QObject* o : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            // The logo is decorative: it is not read in the middle of the sentence.
            if (w != nullptr && !w->isWindow() && !w->isHidden() &&
                !w->property("decorative").toBool()) {
                children.push_back(w);
            }
        }
        const auto start = [](const QWidget* w) {
            int x = w->x();
            if (const auto* label = dynamic_cast<const CaptionLabel*>(w);
                label != nullptr && (label->alignment() & Qt::AlignRight)) {
                const QString words = label->caption().trimmed();
                const int trailing =
                    int(label->caption().size() - label->caption().trimmed().size());
                x += w->width() - w->fontMetrics().horizontalAdvance(words) -
                     w->fontMetrics().horizontalAdvance(QString(trailing, u' '));
            }
            return x;
        };
        // A row gathers what stands within 10 pixels of its first control's middle (the sentence's
        // rows are 40 pixels apart, the correction lines 16).
        const auto middle = [](const QWidget* w) { return w->y() + w->height() / 2; };
        std::stable_sort(children.begin(), children.end(),
                         [&](const QWidget* a, const QWidget* b) { return middle(a) < middle(b); });
        std::vector<std::pair<int, int>> keys;  // (row, start), by child
        int row = -1, rowMiddle = 0;
        for (const QWidget* w : children) {
            if (row < 0 || middle(w) - rowMiddle >= 10) {
                ++row;
                rowMiddle = middle(w);
            }
            keys.emplace_back(row, start(w));
        }
        std::vector<std::size_t> order(children.size());
        for (std::size_t i = 0; i < order.size(); ++i) {
            order[i] = i;
        }
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
        std::vector<QWidget*> sorted;
        for (std::size_t i : order) {
            sorted.push_back(children[i]);
        }
        children = sorted;
        return children;
    }
};

class AnnouncerAccessible : public QAccessibleWidget {
  public:
    explicit AnnouncerAccessible(Announcer* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<const Announcer*>(widget())->text() : QString();
    }
};

QAccessibleInterface* windowAccessible(const QString&, QObject* object) {
    if (auto* announcer = dynamic_cast<Announcer*>(object)) {
        return new AnnouncerAccessible(announcer);
    }
    if (auto* label = dynamic_cast<CaptionLabel*>(object)) {
        return new CaptionLabelAccessible(label);
    }
    if (auto* button = qobject_cast<QRadioButton*>(object)) {
        return new OptionButtonAccessible(button);
    }
    if (auto* window = qobject_cast<QWidget*>(object);
        window != nullptr && window->isWindow() && window->objectName() == u"Fournil") {
        return new ReadingOrderAccessible(window);
    }
    return nullptr;
}

}  // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(windowAccessible);
        QAccessible::installFactory(lineEditAccessible);
        highlightOpeningMenus(QCoreApplication::instance());
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

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("annonce"));
    setProperty("decorative", true);  // heard when it appears, never read with the sentence
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void Announcer::announce(const QString& text) {
    text_ = text;
    // Shown anew, so that it appears once more.
    hide();
    show();
}

void Announcer::clear() {
    text_.clear();
    hide();
}

void nameForTheEar(QLineEdit& edit, const QString& name) {
    edit.setAccessibleName(name);
    for (QLabel* label : edit.parentWidget()->findChildren<QLabel*>()) {
        if (label->buddy() == &edit) {
            label->setAccessibleName(name);
        }
    }
}

QLabel* newFieldMessage(QWidget* parent) {
    auto* message = new QLabel(parent);
    message->setStyleSheet(QStringLiteral("color: #b00020"));
    return message;
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
    painter.setLayoutDirection(layoutDirection());  // not the application's
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

int FrameBox::borderTop() const {
    return fontMetrics().height() / 2;
}

void FrameBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setLayoutDirection(layoutDirection());  // not the application's
    const QPalette& p = palette();
    // An etched line: dark, with a light one inside it.
    const QRect border = rect().adjusted(0, borderTop(), -2, -2);
    painter.setPen(p.color(QPalette::Mid));
    painter.drawRect(border);
    painter.setPen(p.color(QPalette::Light));
    painter.drawRect(border.translated(1, 1));
    if (title().isEmpty()) {
        return;
    }
    const QFontMetrics metrics = fontMetrics();
    const int pad = metrics.horizontalAdvance(u' ') / 2 + 1;
    const QRect caption(std::max(1, metrics.averageCharWidth()), 0,
                        metrics.horizontalAdvance(title()) + 2 * pad, metrics.height());
    painter.fillRect(caption, p.color(QPalette::Window));
    painter.setPen(
        p.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter | Qt::TextShowMnemonic, title());
}

void FilledRectangle::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

TypingLimit::TypingLimit(const TextBox& box, QObject* parent) : QValidator(parent), box_(box) {}

QValidator::State TypingLimit::validate(QString& input, int& position) const {
    const int limit = box_.typedLimit();
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

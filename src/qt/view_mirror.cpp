#include "qt/view.h"

#include "guidance/accessibility.h"
#include "guidance/calculation_text.h"
#include "qt/accessible_text.h"
#include "qt/action_controller.h"
#include "qt/platform_qt.h"
#include "qt/widgets.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>

// Mirroring: every property the model changes is shown by its widget; nothing here computes.

namespace fournil::qt {

void FournilView::applyScale() {
    setFont(controlFont());
    for (Control* control : model_.controls()) {
        applyFont(*control);
    }
}

void FournilView::mirrorAll(const Control& control) {
    for (Property p : {Property::Text, Property::Caption, Property::Visible, Property::Enabled,
                       Property::Selected, Property::Left, Property::BackColour, Property::Bold,
                       Property::Picture}) {
        propertyChanged(control, p);
    }
}

void FournilView::propertyChanged(const Control& control, Property property) {
    if (widgetOf(control) == nullptr) {
        return;  // not built yet: mirrorAll covers it
    }
    switch (property) {
        case Property::Text:
        case Property::SelStart:
            applyText(control);
            break;
        case Property::Caption:
            applyCaption(control);
            break;
        case Property::Visible:
            applyVisible(control);
            break;
        case Property::Enabled:
            applyEnabled(control);
            break;
        case Property::Selected:
            applySelected(control);
            break;
        case Property::Left:
        case Property::Top:
            applyGeometry(control);
            break;
        case Property::Bold:
            applyFont(control);
            break;
        case Property::BackColour:
            applyColour(control);
            break;
        case Property::Picture:
            applyPicture(control);
            break;
        case Property::Focus:
        case Property::Clipboard:
        case Property::Fractions:
        case Property::Announcement:
        case Property::Recipe:
        case Property::Answer:
            applyWindowValue(property);
            break;
    }
}

// The window-level values: whichever control reports them, they are shown once for the window.
void FournilView::applyWindowValue(Property property) {
    switch (property) {
        case Property::Focus:
            // What a control that takes the focus says after its name: the answer as it stands.
            applyDescriptions(model_.spokenAnswer ? model_.spokenAnswer() : QString());
            applyFocus();
            break;
        case Property::Clipboard:
            QGuiApplication::clipboard()->setText(model_.clipboard());
            break;
        case Property::Announcement:
            // Heard at once, and kept as the focused control's description for whoever reads it.
            if (announcer_ != nullptr) {
                announcer_->announce(model_.announcement());
            }
            applyDescriptions(model_.announcement());
            break;
        case Property::Recipe:
        case Property::Answer:
            // A mode switch records a dozen answers: only the last one is shown.
            answerChanged_ = true;
            if (!model_.inUserEvent()) {
                applyAnswer();
            }
            break;
        default:
            break;  // the water fractions show nowhere by themselves
    }
}

void FournilView::applyVisible(const Control& control) {
    if (control.kind() != Kind::Window) {
        widgetOf(control)->setVisible(control.visible());
    }
}

void FournilView::applyEnabled(const Control& control) {
    QWidget* widget = widgetOf(control);
    if (control.kind() == Kind::TextBox) {
        // A result is a read-only box rather than a disabled one, so that a screen reader still
        // reads it; it takes no focus.
        auto* edit = static_cast<QLineEdit*>(widget);
        edit->setReadOnly(!control.enabled());
        edit->setFocusPolicy(control.enabled() ? Qt::StrongFocus : Qt::NoFocus);
        return;
    }
    widget->setEnabled(control.enabled());
}

void FournilView::userEventEnded() {
    if (answerChanged_) {
        applyAnswer();
    }
}

// The tooltips of the hydrations and what each box holds follow every answer.
void FournilView::applyAnswer() {
    answerChanged_ = false;
    if (controller_ != nullptr) {
        controller_->answerChanged();  // the recipe follows every answer
    }
    for (TextBox* box : {&model_.H1, &model_.H2}) {
        if (QWidget* widget = widgetOf(*box)) {
            widget->setToolTip(hydrationTooltip(model_, *box));
        }
    }
    applyAccessibleNames();
}

void FournilView::applyAccessibleNames() {
    // Only where the name is not the caption: the boxes, the frames, the logo, the levain's
    // correction line.
    for (Control* control : model_.controls()) {
        if (control->kind() == Kind::TextBox || control->kind() == Kind::Picture ||
            control->kind() == Kind::Frame || control == &model_.Phrase(6)) {
            if (QWidget* widget = widgetOf(*control)) {
                // Only a real change: each one is sent to the screen reader.
                const QString name = fournil::accessibleName(model_, *control);
                if (widget->accessibleName() != name) {
                    widget->setAccessibleName(name);
                }
            }
        }
    }
}

void FournilView::applyText(const Control& control) {
    if (control.kind() != Kind::TextBox) {
        return;
    }
    const auto& box = static_cast<const TextBox&>(control);
    auto* edit = static_cast<QLineEdit*>(widgetOf(control));
    const QSignalBlocker block(edit);
    if (edit->text() != box.text()) {
        // The focused box rewritten by the program, not typed in: the announcement says it.
        if (edit->hasFocus()) {
            setTextQuietly(edit, box.text());
        } else {
            edit->setText(box.text());
        }
    }
    // Within the text the box holds now: a text rewritten by the program is told before the
    // selection that was made in the old one moves.
    const int size = int(box.text().size());
    const int anchor = std::clamp(box.selAnchor(), 0, size);
    const int caret = std::clamp(box.selStart(), 0, size);
    if (anchor != caret) {
        edit->setSelection(anchor, caret - anchor);
    } else {
        edit->setCursorPosition(caret);
    }
}

void FournilView::applyCaption(const Control& control) {
    const auto* captioned = dynamic_cast<const Captioned*>(&control);
    if (captioned == nullptr) {
        return;  // a box, the shape, the picture: no caption
    }
    QWidget* widget = widgetOf(control);
    const QString& caption = captioned->caption();
    switch (control.kind()) {
        case Kind::Window:
            setWindowTitle(caption);
            break;
        case Kind::Frame:
            static_cast<QGroupBox*>(widget)->setTitle(caption);
            break;
        case Kind::OptionButton:
        case Kind::Button:
            static_cast<QAbstractButton*>(widget)->setText(caption);
            break;
        case Kind::Label:
            static_cast<CaptionLabel*>(widget)->setCaption(caption);
            break;
        default:
            return;
    }
    applyGeometry(control);
}

void FournilView::applySelected(const Control& control) {
    if (control.kind() != Kind::OptionButton) {
        return;
    }
    auto* button = static_cast<QRadioButton*>(widgetOf(control));
    const bool selected = static_cast<const OptionButton&>(control).selected();
    const QSignalBlocker block(button);
    button->setChecked(selected);
    // Within a group only the selected button is a tab stop.
    button->setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus);
}

void FournilView::applyPicture(const Control& control) {
    if (control.kind() != Kind::Picture) {
        return;
    }
    const auto& picture = static_cast<const PictureBox&>(control).picture();
    const auto* image = dynamic_cast<const QtPicture*>(picture.get());
    static_cast<QLabel*>(widgetOf(control))
        ->setPixmap(image != nullptr ? QPixmap::fromImage(image->image) : QPixmap());
}

void FournilView::applyGeometry(const Control& control) {
    QWidget* widget = widgetOf(control);
    const QRect place = placeOf(control);
    if (control.kind() == Kind::Window) {
        setFixedSize(place.size());
        // Qt moves a window by its frame once the window manager has drawn one, by its client
        // area before: a window kept on the screen leaves room for the frame still to come.
        const bool framed = !frameMargins().isNull();
        move(place.topLeft() + (framed || scale() == 1.0 ? QPoint() : zoom_.usualFrameOffset()));
    } else {
        widget->setGeometry(fitted(control, place));
    }
}

QRect FournilView::fitted(const Control& control, QRect place) const {
    // The stand-in font is a little wider than the original one: a one-line caption that does not
    // fit grows its widget away from its anchored edge instead of being clipped.
    const QWidget* widget = widgetOf(control);
    const QFontMetrics metrics(widget->font());
    int needed = 0;
    if (control.kind() == Kind::Label && place.height() < 2 * metrics.lineSpacing()) {
        needed = metrics.horizontalAdvance(static_cast<const Captioned&>(control).caption()) + 1;
    } else if (control.kind() == Kind::OptionButton) {
        needed = widget->sizeHint().width();
    }
    if (control.kind() == Kind::Label && control.alignment() == Align::Centre) {
        // A centred number (the levain's hydration) stands right before the comma of the line it
        // sits in: its place grows to the left until a blank's width stays clear on its right.
        const int clear = 2 * metrics.horizontalAdvance(u' ');
        const int missing = needed - 1 + 2 * clear - place.width();
        return missing > 0 ? place.adjusted(-missing, 0, 0, 0) : place;
    }
    const int missing = needed - place.width();
    if (missing <= 0) {
        return place;
    }
    switch (control.alignment()) {
        case Align::Right:
            return place.adjusted(-missing, 0, 0, 0);
        case Align::Centre:
            return place.adjusted(-missing / 2, 0, missing - missing / 2, 0);
        case Align::Left:
            break;
    }
    return place.adjusted(0, 0, missing, 0);
}

void FournilView::applyFont(const Control& control) {
    QWidget* widget = widgetOf(control);
    if (control.kind() == Kind::Window) {
        applyGeometry(control);
        return;
    }
    QFont font = controlFont();
    font.setBold(control.bold());
    font.setItalic(control.italic());
    font.setUnderline(control.underline());
    widget->setFont(font);
    applyGeometry(control);
}

void FournilView::applyColour(const Control& control) {
    QWidget* widget = widgetOf(control);
    if (control.kind() == Kind::Window) {
        return;
    }
    QPalette palette = QApplication::palette(widget);
    const QPalette system = QApplication::palette();
    const Colour colour = control.backColour();
    QColor shown = QColor::fromRgb(QRgb(colour.rgb));
    if (colour.source == Colour::Source::SystemWindow) {
        shown = system.color(QPalette::Active, QPalette::Base);
    } else if (colour.source == Colour::Source::SystemButton) {
        shown = system.color(QPalette::Active, QPalette::Window);
    }
    if (control.kind() == Kind::TextBox) {
        palette.setColor(QPalette::Base, shown);
        // Results are disabled boxes, yet they must read as dark text, not greyed out.
        for (QPalette::ColorRole role : {QPalette::Text, QPalette::Base}) {
            palette.setColor(QPalette::Disabled, role, palette.color(QPalette::Active, role));
        }
    } else {
        palette.setColor(QPalette::Window, shown);
        palette.setColor(QPalette::Button, shown);
        // A disabled frame still shows its units: readable grey, not the faint default that
        // vanishes on the light green.
        const QColor readable(90, 90, 90);
        for (QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
            palette.setColor(QPalette::Disabled, role, readable);
        }
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(control.kind() != Kind::TextBox &&
                                  colour.source != Colour::Source::SystemButton);
}

void FournilView::applyDescriptions(const QString& focused) {
    // Only the focused box describes the answer (another would describe an old one); a button
    // taking the focus is heard without it.
    for (const auto& [control, widget] : widgets_) {
        const bool described = control == model_.focus() && control->kind() == Kind::TextBox;
        const QString wanted = described ? focused : QString();
        if (widget->accessibleDescription() != wanted) {
            widget->setAccessibleDescription(wanted);
        }
    }
}

void FournilView::applyFocus() {
    const Control* focus = model_.focus();
    QWidget* widget = focus != nullptr ? widgetOf(*focus) : nullptr;
    // A move made by the keyboard shows the style's focus indicator, as Qt's own Tab does; the
    // reason stays "other", so that a line edit keeps the selection the model gives it.
    if (model_.focusByKeyboard()) {
        setAttribute(Qt::WA_KeyboardFocusChange, true);
    }
    if (widget != nullptr && widget != QApplication::focusWidget()) {
        forwardingFocus_ = true;
        widget->setFocus(Qt::OtherFocusReason);
        forwardingFocus_ = false;
    }
    if (widget != nullptr) {
        widget->update();
    }
}

}  // namespace fournil::qt

#include "qt/view.h"

#include "guidance/accessibility.h"
#include "guidance/calculation_text.h"
#include "qt/platform_qt.h"
#include "qt/recipe_card.h"
#include "qt/widgets.h"
#include "window/inventory.h"
#include "window/user_events.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QWindow>

#include <limits>

namespace fournil::qt {
namespace {

int pixels(int twips) {
    return qRound(double(twips) / twipsPerPixel);
}

// The keys that the model answers itself; the rest (typing, Home, End, shortcuts) stay Qt's.
std::optional<Key> modelKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    switch (event.key()) {
        case Qt::Key_Tab:
            if (modifiers == Qt::NoModifier) {
                return Key::Tab;
            }
            return modifiers == Qt::ShiftModifier ? std::optional(Key::Backtab) : std::nullopt;
        case Qt::Key_Backtab:
            return modifiers == Qt::ShiftModifier || modifiers == Qt::NoModifier
                       ? std::optional(Key::Backtab)
                       : std::nullopt;
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
            if (modifiers != Qt::NoModifier) {
                return std::nullopt;  // Shift and Ctrl keep selecting and moving by words
            }
            return event.key() == Qt::Key_Up     ? Key::Up
                   : event.key() == Qt::Key_Down ? Key::Down
                   : event.key() == Qt::Key_Left ? Key::Left
                                                 : Key::Right;
        case Qt::Key_Space:
            return modifiers == Qt::NoModifier ? std::optional(Key::Space) : std::nullopt;
        case Qt::Key_F1:
            return modifiers == Qt::NoModifier ? std::optional(Key::F1) : std::nullopt;
        case Qt::Key_C:
            return modifiers == Qt::ControlModifier ? std::optional(Key::Copy) : std::nullopt;
        case Qt::Key_N:
            return modifiers == Qt::ControlModifier ? std::optional(Key::NewCalculation)
                                                    : std::nullopt;
        case Qt::Key_Period:
        case Qt::Key_Comma:  // the keypad's decimal key is one or the other, by keyboard layout
            return keypad && modifiers == Qt::NoModifier ? std::optional(Key::KeypadDecimal)
                                                         : std::nullopt;
        default:
            return std::nullopt;
    }
}

}  // namespace

QFont FournilView::controlFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    // A shade narrower, so that the captions fit the places drawn for the original font.
    font.setStretch(95);
    return font;
}

FournilView::FournilView(Window& model, QWidget* parent) : QWidget(parent), model_(model) {
    installAccessibility();
    setFont(controlFont());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    for (Control* control : model_.controls()) {
        QWidget* parentWidget =
            control->container() != nullptr ? widgets_.at(control->container()) : nullptr;
        QWidget* widget = create(*control, parentWidget);
        widget->setObjectName(control->displayName());
        widgets_[control] = widget;
        controls_[widget] = control;
        mirrorAll(*control);
    }
    applyAccessibleNames();
    for (Control* control : model_.controls()) {
        widgetOf(*control)->setProperty("readWithItsLine", readWithItsLine(model_, *control));
    }

    // One tab stop per control of the keyboard order; Qt skips hidden and disabled ones.
    QWidget* previous = nullptr;
    for (const ControlRef& ref : keyboardOrder()) {
        QWidget* next = widgetOf(*model_.find(ref.name, ref.index));
        if (previous != nullptr) {
            setTabOrder(previous, next);
        }
        previous = next;
    }

    model_.addObserver(this);
    // Keys are taken before Qt's own handling of them, and mouse moves where they enter the
    // window, before Qt hands them to a widget: a disabled control would otherwise pass them on
    // to the window's background.
    qApp->installEventFilter(this);
    focusForwarding_ =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
            if (forwardingFocus_) {
                return;
            }
            auto it = controls_.find(now);
            if (it != controls_.end()) {
                model_.setFocus(it->second);
            }
        });
}

FournilView::~FournilView() {
    // The widgets go away after this body: their focus moves must no longer reach the model.
    disconnect(focusForwarding_);
    qApp->removeEventFilter(this);
    model_.removeObserver(this);
}

QWidget* FournilView::widgetOf(const Control& control) const {
    auto it = widgets_.find(&control);
    return it == widgets_.end() ? nullptr : it->second;
}

const Control* FournilView::controlOf(const QWidget* widget) const {
    auto it = controls_.find(widget);
    return it == controls_.end() ? nullptr : it->second;
}

QWidget* FournilView::create(Control& control, QWidget* parent) {
    switch (control.kind()) {
        case Kind::Window:
            setMouseTracking(true);
            return this;
        case Kind::Frame:
            return new QGroupBox(parent);
        case Kind::OptionButton: {
            auto* button = new QRadioButton(parent);
            // The model keeps the groups exclusive and decides what a click selects.
            button->setAutoExclusive(false);
            connect(button, &QRadioButton::clicked, this, [&control, button] {
                userClick(control);
                const QSignalBlocker block(button);
                button->setChecked(static_cast<OptionButton&>(control).selected());
            });
            return button;
        }
        case Kind::TextBox: {
            auto& box = static_cast<TextBox&>(control);
            auto* edit = new QLineEdit(parent);
            // Qt's default of 32,767 characters would cut a long paste that the model keeps.
            edit->setMaxLength(std::numeric_limits<int>::max());
            if (box.maxLength() > 0) {
                edit->setValidator(new TypingLimit(box, edit));
            }
            connect(edit, &QLineEdit::textEdited, this,
                    [this, &box](const QString& text) { forwardEdit(box, text); });
            // The model keeps the caret and the selection too: the keys it answers and the typing
            // limit work from them.
            const auto forwardSelection = [this, &box, edit] {
                if (!box.reachable()) {
                    applyText(box);  // a result's caret stays where the model keeps it
                    return;
                }
                const int caret = edit->cursorPosition();
                int anchor = caret;
                if (edit->hasSelectedText()) {
                    const int start = edit->selectionStart();
                    anchor = caret == start ? start + edit->selectionLength() : start;
                }
                userSelect(box, anchor, caret);
            };
            connect(edit, &QLineEdit::cursorPositionChanged, this, forwardSelection);
            connect(edit, &QLineEdit::selectionChanged, this, forwardSelection);
            return edit;
        }
        case Kind::Label:
            return new CaptionLabel(control.alignment(), parent);
        case Kind::Shape:
            return new FilledRectangle(parent);
        case Kind::Button: {
            auto* button = new QPushButton(parent);
            connect(button, &QPushButton::clicked, this, [&control] { userClick(control); });
            return button;
        }
        case Kind::Picture: {
            auto* picture = new QLabel(parent);
            picture->setScaledContents(true);
            return picture;
        }
    }
    return nullptr;
}

void FournilView::forwardEdit(TextBox& box, const QString& text) {
    auto* edit = static_cast<QLineEdit*>(widgetOf(box));
    userEdit(box, text, edit->cursorPosition());  // the typing limit is already applied
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
            if (control.kind() != Kind::Window) {
                widgetOf(control)->setVisible(control.visible());
            }
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
        case Property::Focus:
            applyFocus();
            break;
        case Property::Picture:
            applyPicture(control);
            break;
        case Property::Clipboard:
            QGuiApplication::clipboard()->setText(model_.clipboard());
            break;
        case Property::Fractions:
            break;
        case Property::Answer:
            // The tooltips of the hydrations and what each box holds follow every answer.
            for (TextBox* box : {&model_.H1, &model_.H2}) {
                if (QWidget* widget = widgetOf(*box)) {
                    widget->setToolTip(hydrationTooltip(model_, *box));
                }
            }
            applyAccessibleNames();
            break;
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

void FournilView::applyAccessibleNames() {
    // Only where the name is not the caption: the boxes, the logo, the levain's correction line.
    for (Control* control : model_.controls()) {
        if (control->kind() == Kind::TextBox || control->kind() == Kind::Picture ||
            control == &model_.Phrase(6)) {
            if (QWidget* widget = widgetOf(*control)) {
                widget->setAccessibleName(fournil::accessibleName(model_, *control));
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
        edit->setText(box.text());
    }
    if (box.selLength() > 0) {
        edit->setSelection(box.selAnchor(), box.selStart() - box.selAnchor());
    } else {
        edit->setCursorPosition(box.selStart());
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
    // The exact twips ride along, so that a reader can tell them from the rounded pixels.
    widget->setProperty("twipsLeft", control.left());
    widget->setProperty("twipsTop", control.top());
    widget->setProperty("twipsWidth", control.width());
    widget->setProperty("twipsHeight", control.height());
    const QRect place(pixels(control.left()), pixels(control.top()), pixels(control.width()),
                      pixels(control.height()));
    widget->setProperty("placeRect", place);
    if (control.kind() == Kind::Window) {
        setFixedSize(place.size());
        move(place.topLeft());
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

void FournilView::applyFocus() {
    const Control* focus = model_.focus();
    QWidget* widget = focus != nullptr ? widgetOf(*focus) : nullptr;
    if (widget != nullptr && widget != QApplication::focusWidget()) {
        forwardingFocus_ = true;
        widget->setFocus(Qt::OtherFocusReason);
        forwardingFocus_ = false;
    }
}

bool FournilView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove && watched == windowHandle()) {
        forwardMouseMove(event);
    } else if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const auto* widget = qobject_cast<QWidget*>(watched);
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        if (widget != nullptr && widget->window() == this && keyEvent->key() == Qt::Key_P &&
            keyEvent->modifiers() == Qt::ControlModifier) {
            if (event->type() == QEvent::KeyPress) {
                printCard();
            }
            return true;
        }
        const auto* edit = qobject_cast<const QLineEdit*>(widget);
        const bool fieldCopy = edit != nullptr && edit->hasSelectedText() &&
                               keyEvent->key() == Qt::Key_C;  // the field copies its own text
        if (widget != nullptr && widget->window() == this && !fieldCopy) {
            if (const auto key = modelKey(*keyEvent)) {
                if (event->type() == QEvent::KeyPress) {
                    userKey(model_, *key);
                }
                return true;  // the release too, so that no button clicks on it
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FournilView::forwardMouseMove(QEvent* event) {
    const auto* move = static_cast<QMouseEvent*>(event);
    const QPoint at = mapFromGlobal(move->globalPosition().toPoint());
    QWidget* widget = childAt(at);
    // Climb from a widget's inner parts (a frame's title, a box's buttons) to its control.
    while (widget != nullptr && controls_.count(widget) == 0) {
        widget = widget->parentWidget();
    }
    Control* control = widget != nullptr ? controls_.at(widget) : &model_.Fournil;
    userHover(*control);
}

void FournilView::contextMenuEvent(QContextMenuEvent* event) {
    // On the background and the labels; the fields keep their own edit menu.
    std::unique_ptr<QMenu> menu = contextMenu();
    menu->exec(event->globalPos());
}

std::unique_ptr<QMenu> FournilView::contextMenu() {
    auto menu = std::make_unique<QMenu>(this);
    const struct {
        const char16_t* text;
        QKeySequence keys;
        std::function<void()> act;
    } entries[] = {
        {u"Copier le calcul", QKeySequence(Qt::CTRL | Qt::Key_C),
         [this] { userKey(model_, Key::Copy); }},
        {u"Nouveau calcul", QKeySequence(Qt::CTRL | Qt::Key_N),
         [this] { userKey(model_, Key::NewCalculation); }},
        {u"Imprimer…", QKeySequence(Qt::CTRL | Qt::Key_P), [this] { printCard(); }},
    };
    for (const auto& entry : entries) {
        QAction* action = menu->addAction(QString::fromUtf16(entry.text));
        action->setShortcut(entry.keys);
        connect(action, &QAction::triggered, this, entry.act);
    }
    return menu;
}

void FournilView::printCard() {
    const auto* picture = dynamic_cast<const QtPicture*>(model_.Image1.picture().get());
    printCardWithDialog(model_, picture != nullptr ? picture->image : QImage(), this);
}

}  // namespace fournil::qt

#include "qt/view.h"

#include "guidance/accessibility.h"
#include "qt/action_controller.h"
#include "qt/platform_qt.h"
#include "qt/scaled_style.h"
#include "qt/widgets.h"
#include "window/inventory.h"
#include "window/user_events.h"
#include "wiring/last_calculation.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>

#include <algorithm>
#include <limits>

// Building the view: one widget per control of the model, in one loop. Mirroring the model is in
// view_mirror.cpp, forwarding the user's input in view_input.cpp; the actions, the menus and the
// keys are the action controller's.

namespace fournil::qt {

QFont FournilView::controlFont() const {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(5, qRound(11 * zoom_.scale())));
    // A shade narrower, so that the captions fit the places drawn for the original font.
    font.setStretch(95);
    return font;
}

FournilView::FournilView(Window& model, QWidget* parent)
    : QWidget(parent), model_(model), zoom_(model.Fournil) {
    installAccessibility();
    setFont(controlFont());
    // The sentence is French and reads left to right, whatever the language of Qt's own texts.
    setLayoutDirection(Qt::LeftToRight);
    style_ = new ScaledStyle([this] { return zoom_.scale(); });
    style_->setParent(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    for (Control* control : model_.controls()) {
        QWidget* parentWidget =
            control->container() != nullptr ? widgets_.at(control->container()) : nullptr;
        QWidget* widget = create(*control, parentWidget);
        widget->setObjectName(control->displayName());
        if (widget != this) {
            widget->setStyle(style_);
        }
        widgets_[control] = widget;
        controls_[widget] = control;
        mirrorAll(*control);
    }
    applyAccessibleNames();
    controller_ = new ActionController(*this);
    announcer_ = new Announcer(this);
    for (Control* control : model_.controls()) {
        widgetOf(*control)->setProperty("readWithItsLine", readWithItsLine(model_, *control));
    }
    buildTabOrder();

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
    style_->keepScale();
}

void FournilView::buildTabOrder() {
    // One tab stop per control of the keyboard order; Qt skips hidden and disabled ones.
    QWidget* previous = nullptr;
    for (const ControlRef& ref : keyboardOrder()) {
        QWidget* next = widgetOf(*model_.find(ref.name, ref.index));
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, next);
        }
        previous = next;
    }
}

void FournilView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Drawn smaller where the window would not fit its screen.
    if (!zoom_.hasArea() && screen() != nullptr) {
        fitInto(screen()->availableGeometry());
    }
}

QMargins FournilView::frameMargins() const {
    const QRect outer = frameGeometry(), inner = geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

void FournilView::setZoom(double zoom) {
    if (zoom_.setZoom(zoom, frameMargins())) {
        applyScale();
    }
}

void FournilView::fitInto(const QRect& area) {
    if (zoom_.fitInto(area, frameMargins())) {
        applyScale();
    }
}

void FournilView::setCalculationStore(CalculationStore* store) {
    controller_->setCalculationStore(store);
}

void FournilView::setNotebook(SharedNotebook* notebook) {
    controller_->setNotebook(notebook);
}

void FournilView::closeEvent(QCloseEvent* event) {
    CalculationStore* store = controller_->calculationStore();
    QString why = store != nullptr ? store->save(saveCalculation(model_)) : QString();
    controller_->tellNotebookOpening();  // a notebook first opened by this save
    // A save that fails is said before the window goes: the person may retry or close anyway.
    for (; !why.isEmpty(); why = store->save(saveCalculation(model_))) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Fournil"),
                        QStringLiteral("Le dernier calcul n'a pas pu être gardé : %1").arg(why),
                        QMessageBox::NoButton, this);
        box.setObjectName(QStringLiteral("sauvegardeEchouee"));
        QPushButton* retry = box.addButton(QStringLiteral("&Réessayer"), QMessageBox::AcceptRole);
        box.addButton(QStringLiteral("&Fermer quand même"), QMessageBox::RejectRole);
        box.exec();
        if (box.clickedButton() != retry) {
            break;
        }
    }
    QWidget::closeEvent(event);
}

void FournilView::contextMenuEvent(QContextMenuEvent* event) {
    // On the background and the labels; the fields keep their own edit menu.
    controller_->showWindowMenu(event->globalPos());
}

QWidget* FournilView::widgetOf(const Control& control) const {
    auto it = widgets_.find(&control);
    return it == widgets_.end() ? nullptr : it->second;
}

QWidget* FournilView::create(Control& control, QWidget* parent) {
    switch (control.kind()) {
        case Kind::Window:
            setMouseTracking(true);
            return this;
        case Kind::Frame:
            return new FrameBox(parent);
        case Kind::OptionButton:
            return createOptionButton(control, parent);
        case Kind::TextBox:
            return createTextBox(static_cast<TextBox&>(control), parent);
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
            picture->setProperty("decorative", true);
            return picture;
        }
    }
    return nullptr;
}

QWidget* FournilView::createOptionButton(Control& control, QWidget* parent) {
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

QWidget* FournilView::createTextBox(TextBox& box, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    // Qt's default of 32,767 characters would cut a long paste that the model keeps.
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setValidator(new TypingLimit(box, edit));
    // A drop would reach the line edit whole, however long: the fields take no drops.
    edit->setAcceptDrops(false);
    edit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(edit, &QLineEdit::customContextMenuRequested, this,
            [this, edit](const QPoint& at) { controller_->showFieldMenu(edit, at); });
    connect(edit, &QLineEdit::textEdited, this,
            [this, &box](const QString& text) { forwardEdit(box, text); });
    // The model keeps the caret and the selection too: the keys it answers and the typing limit
    // work from them.
    const auto selection = [this, &box, edit] { forwardSelection(box, *edit); };
    connect(edit, &QLineEdit::cursorPositionChanged, this, selection);
    connect(edit, &QLineEdit::selectionChanged, this, selection);
    return edit;
}

}  // namespace fournil::qt

#include "qt/widget_reading.h"

#include "qt/platform_qt.h"
#include "qt/widgets.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace fournil::qt {
namespace {

// A position in twips: the exact value the view placed, as long as the widget really covers the
// pixels of that place (a caption too wide for its place widens its widget); otherwise the
// widget's own pixels, so that a misplaced widget shows.
int twips(const QWidget* widget, const char* exact, int pixel) {
    const QVariant value = widget->property(exact);
    const QRect place = widget->property("placeRect").toRect();
    const QRect shown = widget->isWindow()
                            ? QRect(widget->frameGeometry().topLeft(), widget->size())
                            : widget->geometry();
    const bool placed =
        shown.contains(place) &&
        place == QRect(qRound(widget->property("twipsLeft").toDouble() / twipsPerPixel),
                       qRound(widget->property("twipsTop").toDouble() / twipsPerPixel),
                       qRound(widget->property("twipsWidth").toDouble() / twipsPerPixel),
                       qRound(widget->property("twipsHeight").toDouble() / twipsPerPixel));
    return value.isValid() && placed ? value.toInt() : pixel * twipsPerPixel;
}

QString colourOf(const QWidget* widget, Kind kind) {
    const QPalette::ColorRole role = kind == Kind::TextBox ? QPalette::Base : QPalette::Window;
    const QColor colour = widget->palette().color(QPalette::Active, role);
    const QPalette system = QApplication::palette();
    if (colour == system.color(QPalette::Active, QPalette::Base)) {
        return QStringLiteral("window");
    }
    if (colour == system.color(QPalette::Active, QPalette::Window)) {
        return QStringLiteral("button");
    }
    return QStringLiteral("#%1").arg(colour.rgb() & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
}

QString captionOf(const QWidget* widget, Kind kind) {
    switch (kind) {
        case Kind::Window:
            return widget->windowTitle();
        case Kind::Frame:
            return static_cast<const QGroupBox*>(widget)->title();
        case Kind::OptionButton:
        case Kind::Button:
            return static_cast<const QAbstractButton*>(widget)->text();
        case Kind::Label:
            return static_cast<const CaptionLabel*>(widget)->caption();
        default:
            return {};
    }
}

}  // namespace

std::optional<PropValue> readWidget(const FournilView& view, const Control& control,
                                    QStringView property) {
    const QWidget* widget = view.widgetOf(control);
    if (widget == nullptr || !propertyNames(control.kind()).contains(property)) {
        return std::nullopt;
    }
    const auto* edit = qobject_cast<const QLineEdit*>(widget);
    const bool window = control.kind() == Kind::Window;
    const QRect frame = window ? widget->frameGeometry() : widget->geometry();

    if (property == u"text" && edit != nullptr) {
        return PropValue::ofText(edit->text());
    }
    if (property == u"selstart" && edit != nullptr) {
        return PropValue::ofInt(edit->cursorPosition());
    }
    if (property == u"sellength" && edit != nullptr) {
        return PropValue::ofInt(edit->selectionLength());
    }
    if (property == u"maxlength" && edit != nullptr) {
        return PropValue::ofInt(
            edit->validator() != nullptr ? static_cast<const TextBox&>(control).maxLength() : 0);
    }
    if (property == u"caption") {
        return PropValue::ofText(captionOf(widget, control.kind()));
    }
    if (property == u"selected") {
        return PropValue::ofBool(static_cast<const QRadioButton*>(widget)->isChecked());
    }
    if (property == u"alignment") {
        const Qt::Alignment a = static_cast<const CaptionLabel*>(widget)->alignment();
        return PropValue::ofWord(a & Qt::AlignRight     ? QStringLiteral("right")
                                 : a & Qt::AlignHCenter ? QStringLiteral("centre")
                                                        : QStringLiteral("left"));
    }
    if (property == u"picture") {
        return PropValue::ofBool(!static_cast<const QLabel*>(widget)->pixmap().isNull());
    }
    if (property == u"visible") {
        return PropValue::ofBool(window ? widget->isVisible() : !widget->isHidden());
    }
    if (property == u"enabled") {
        // The control's own state: a button of a disabled frame is greyed out by its frame.
        return PropValue::ofBool(!widget->testAttribute(Qt::WA_ForceDisabled));
    }
    if (property == u"left") {
        return PropValue::ofInt(twips(widget, "twipsLeft", frame.x()));
    }
    if (property == u"top") {
        return PropValue::ofInt(twips(widget, "twipsTop", frame.y()));
    }
    if (property == u"width") {
        return PropValue::ofInt(twips(widget, "twipsWidth", widget->width()));
    }
    if (property == u"height") {
        return PropValue::ofInt(twips(widget, "twipsHeight", widget->height()));
    }
    if (property == u"bold") {
        return PropValue::ofBool(widget->font().bold());
    }
    if (property == u"italic") {
        return PropValue::ofBool(widget->font().italic());
    }
    if (property == u"underline") {
        return PropValue::ofBool(widget->font().underline());
    }
    if (property == u"backcolor") {
        return PropValue::ofWord(colourOf(widget, control.kind()));
    }
    if (property == u"focus") {
        const Control* focused = view.controlOf(QApplication::focusWidget());
        return PropValue::ofText(focused != nullptr ? focused->displayName() : QString());
    }
    // What the view does not show (the pass counter) comes from the model.
    return readProperty(view.model(), control, property);
}

}  // namespace fournil::qt

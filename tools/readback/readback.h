#pragma once

// Reading what a window shows by property name (`Q1.text`, `optionL(3).selected`, `FracEau1`),
// from the model or from the real widgets, with one canonical text per value. For the scenario
// driver and the tests only: the program itself never reads its controls by name.

#include "qt/view.h"
#include "user_event_generator.h"
#include "window/window.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace fournil {

using events::quoted;

struct PropValue {
    enum class Type { Text, Bool, Int, Word };
    Type type = Type::Word;
    QString text;     // Text and Word
    long number = 0;  // Bool (0/1) and Int

    static PropValue ofText(QString t) { return {Type::Text, std::move(t), 0}; }
    static PropValue ofBool(bool b) { return {Type::Bool, {}, b ? 1 : 0}; }
    static PropValue ofInt(long n) { return {Type::Int, {}, n}; }
    static PropValue ofWord(QString w) { return {Type::Word, std::move(w), 0}; }

    // Texts double-quoted with the escapes \" \\ \n; booleans true/false; integers in decimal.
    QString format() const;
    // The value without quotes, as an expectation is compared with it.
    QString bare() const;
    friend bool operator==(const PropValue&, const PropValue&) = default;
};

// Undoes `quoted`; nullopt when the text is not one well-formed quoted string.
std::optional<QString> unquoted(QStringView text);

QString colourName(Colour colour);  // "#RRGGBB", "window" or "button"
QString floatText(float value);     // 7 significant digits, C locale

// The properties that a control of this kind has, in the order `dump` lists them.
QStringList propertyNames(Kind kind);
// What the model holds; nullopt when the control has no such property.
std::optional<PropValue> readProperty(const Window& w, const Control& control, QStringView name);
// What the widgets show, under the same names; what no widget shows (the pass counter) comes
// from the model.
// The control that a widget of the view shows, or null.
const Control* controlOfWidget(const qt::FournilView& view, const QWidget* widget);

std::optional<PropValue> readWidget(const qt::FournilView& view, const Control& control,
                                    QStringView name);

// The window-level values, in the order `dump` lists them.
QStringList windowValueNames();
std::optional<PropValue> readWindowValue(const Window& w, QStringView name);

}  // namespace fournil

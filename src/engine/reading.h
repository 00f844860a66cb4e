#pragma once

// A field's text (or a label's caption) read as a number by the window's locale.

#include "engine/numbers.h"
#include "window/window.h"

namespace fournil {

inline std::optional<double> readNumber(const Window& w, QStringView text) {
    return LectureLocale(text, w.locale());
}

// Read once for as long as the text stays the same characters: a text that changes is a new
// string (the kept one still holds the old characters), so the same characters mean the same text.
inline std::optional<double> readNumber(const Window& w, const TextBox& field) {
    const QString& text = field.text();
    const auto& last = field.lastReading();
    if (last && last->text.constData() == text.constData() && last->text.size() == text.size() &&
        last->locale == w.locale()) {
        return last->value;
    }
    const std::optional<double> value = readNumber(w, text);
    field.rememberReading({text, w.locale(), value});
    return value;
}

}  // namespace fournil

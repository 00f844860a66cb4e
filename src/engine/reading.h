#pragma once

// A field's text (or a label's caption) read as a number by the window's locale.

#include "engine/numbers.h"
#include "window/window.h"

namespace fournil {

inline std::optional<double> readNumber(const Window& w, QStringView text) {
    return LectureLocale(text, w.locale());
}

inline std::optional<double> readNumber(const Window& w, const TextBox& field) {
    return readNumber(w, field.text());
}

}  // namespace fournil

#pragma once

// A field's text (or a label's caption) read as a number by the window's locale.

#include "engine/numbers.h"
#include "window/window.h"

namespace fournil {

inline std::optional<double> lire(const Window& w, QStringView text) {
    return LectureLocale(text, w.locale());
}

inline std::optional<double> lire(const Window& w, const TextBox& field) {
    return lire(w, field.text());
}

}  // namespace fournil

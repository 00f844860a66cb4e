#pragma once

// Reads what the widgets show, under the same property names as the model's, so that a scenario
// can check the real window rather than the model behind it.

#include "qt/view.h"
#include "window/properties.h"

namespace fournil::qt {

std::optional<PropValue> readWidget(const FournilView& view, const Control& control,
                                    QStringView property);

}  // namespace fournil::qt

#pragma once

// The last calculation, kept on request: the mode, the units and the texts the person typed, as
// a small JSON document, and replayed through the window's own user events so that the answer is
// computed anew by the window's rules. Nothing here touches a file.

#include <QByteArray>

namespace fournil {

class Window;

// The calculation shown now.
QByteArray saveCalculation(const Window& w);

// Whether the bytes hold a calculation this window can replay (not missing, not corrupt, not
// another program's).
bool canResume(const QByteArray& saved);

// Clicks the saved mode and units and types the saved texts, as one step that undo takes back.
// False, with nothing done, when the bytes hold no calculation.
bool resumeCalculation(Window& w, const QByteArray& saved);

}  // namespace fournil

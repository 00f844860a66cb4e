#pragma once

#include "window/platform.h"
#include "window/window.h"

namespace fournil {

// The leftover installer files that start-up removes, with the name a look-up must return.
struct LeftoverFile {
    QString path;
    QString name;
};
const std::vector<LeftoverFile>& leftoverFiles();

// The opening handler: removes leftover installer files, centres the window, loads the logo and
// sets the window-level selection values.
void Form_Load(Window& w, Platform& platform);

// Creates nothing: runs the window's opening event (bound by binding.h), then gives the focus to
// the first control of the keyboard order, as a freshly shown window does.
void openWindow(Window& w);

// Gives the focus to the first control of the keyboard order as the tab key does: a box's whole
// text is selected.
void focusFirst(Window& w);

// The four selections that start-up records (step 4 of the opening).
void setStartSelections(Window& w);

// Every control back to its inventory state and the window-level values to their first ones,
// nothing run: the first half of a new calculation, which then records the start selections and
// recalculates as start-up does.
void resetWindow(Window& w);

}  // namespace fournil

#pragma once
// The page's element of each kind of control in the tables.
#include <emscripten/val.h>

#include "ui/layout.h"

namespace brivan::ui {

// The element of ROW, the INDEXth control of the window numbered WINDOW: at its place and size,
// in its font and its starting colours, with its text, what the screen reader makes of it, and
// the listeners that report its clicks to the window.
emscripten::val makeElement(const ControlSpec& row, int window, int index);

}  // namespace brivan::ui

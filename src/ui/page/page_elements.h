#pragma once
// The page's element of each kind of control in the tables.
#include <emscripten/val.h>

#include "ui/layout.h"

namespace brivan::ui {

struct PageElement {
    emscripten::val element;  // the control itself (the one named by data-name)
    emscripten::val box;      // what stands at its place: the element, or the box it is drawn in
};

// The element of ROW, the INDEXth control of the window numbered WINDOW: at its place and size,
// in its font, with its text, what the screen reader makes of it, and
// the listeners that report its clicks to the window. An option button's round mark is drawn in
// a box of the option's whole size, which takes a click anywhere, as the desktop's does.
PageElement makeElement(const ControlSpec& row, int window, int index);

}  // namespace brivan::ui

#pragma once
// A window's frame in the page: the dialog element with its title bar (icon, caption, close box),
// the description a screen reader reads after the caption, and the client area the controls go in.
#include <emscripten/val.h>

#include "ui/layout.h"

namespace brivan::ui {

struct WindowFrame {
    emscripten::val window;  // the dialog, hidden until shown
    emscripten::val client;
};

// The frame of a layout's window ROW for the window numbered WINDOW; its close box reports to
// that window.
WindowFrame makeWindowFrame(const WindowSpec& row, int window);

}  // namespace brivan::ui

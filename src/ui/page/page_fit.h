#pragma once
// The window in the page: at its designed size, centred (page.css centres it); on a smaller page
// (an iPad in portrait) scaled down so that the largest screen fits, and fitted again when the
// device turns or the page changes size. An answer box that has the focus is kept in view above
// a tablet's on-screen keyboard.
#include <emscripten/val.h>

namespace brivan::ui::page {

// What the page draws around a window's client area: title bar and borders, summed per axis.
inline constexpr int kFrameWidth = 2 * 3;
inline constexpr int kFrameHeight = 22 + 2 * 3;

// Fits this window now, and from now on whenever the page's size changes.
void fit(emscripten::val window);

}  // namespace brivan::ui::page

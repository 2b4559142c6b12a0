#pragma once
// The page around the program in the browser build: what it asks of the page and what the page
// does for it. Compiled into the browser build only; used by ui/platform.cpp and ui/screen_fit.cpp.

#include "ui/screen_fit.h"

namespace brivan::ui::page {

// What Qt draws around a window in the page: the title bar and the border, summed per axis.
inline constexpr Size kFrame{2 * 4, 18 + 2 * 4};

// Before the application object exists. Where a window of WINDOW's client size with FRAME around
// it would not be seen whole in the page, has Qt scale the screens down to fit (QT_SCALE_FACTOR);
// and fits them again, centred, whenever the page changes size.
void fitScreens(Size window, Size frame);

// The judgement's beep: a short tone through Web Audio.
void beep();

// The program has ended: the page takes the program's place with a sentence saying so.
void programEnded();

}  // namespace brivan::ui::page

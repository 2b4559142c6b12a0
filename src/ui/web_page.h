#pragma once
// The page around the program in the browser build: what it asks of the page and what the page
// does for it. Compiled into the browser build only; chosen by ui/platform.cpp.

namespace brivan::ui::page {

// The scale at which the largest screen, with the frame Qt draws around it, fits the page's
// visible area: 1 where it fits at its designed size, less where it does not.
double fittingScale();

// The judgement's beep: a short tone through Web Audio.
void beep();

// The program has ended: the page takes the program's place with a sentence saying so.
void programEnded();

}  // namespace brivan::ui::page

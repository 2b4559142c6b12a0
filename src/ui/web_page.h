#pragma once
// The page around the program in the browser build: what it asks of the page and what the page
// does for it. Compiled into the browser build only; chosen by ui/platform.cpp.

namespace brivan::ui::page {

// Before the application object exists. Fits the screens to the page: where the largest screen,
// with the frame Qt draws around it, would not be seen whole at its designed size, they are scaled
// down; and again whenever the page changes size (a tablet turned).
void prepare();

// The judgement's beep: a short tone through Web Audio.
void beep();

// The program has ended: the page takes the program's place with a sentence saying so.
void programEnded();

}  // namespace brivan::ui::page

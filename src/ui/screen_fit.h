#pragma once
// The display scale the program runs at. On a small or crowded screen the desktop's scale can make
// a window taller than the screen's work area (a 1920 x 1080 laptop at 175 %): the program then
// runs at the largest smaller scale, in quarter steps, at which its largest window, title bar and
// frame included, fits; never below 100 %.

namespace brivan::ui {

struct Size {
    int width, height;
};

// The scale to run at, given the desktop's scale, the largest window's client size and its frame
// (title bar and borders, summed per axis) at 100 %, and the work area in device pixels.
double largestFittingScale(double desktopScale, Size window, Size frame, Size workArea);

// The client size of the largest screen, in pixels at 100 %.
Size largestWindow();

}  // namespace brivan::ui

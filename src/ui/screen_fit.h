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

// Called before the application object exists: where the desktop's scale would make the largest
// window leave the work area, has Qt scale by the fitting factor instead (QT_SCALE_FACTOR).
// Does nothing where the pilot has set QT_SCALE_FACTOR, or where the platform fits windows itself.
// In the browser, where the largest window would not be seen whole in the page, scales the
// screens down to the page's size.
void fitDisplayScaleToScreen();

}  // namespace brivan::ui

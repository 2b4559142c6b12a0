#pragma once
// The desktop's display scale, fitted to the screen before Qt reads it (see ui/screen_fit.h).

namespace brivan::ui {

// Called before the application object exists: where the desktop's scale would make the largest
// window leave the work area, has Qt scale by the fitting factor instead (QT_SCALE_FACTOR).
// Does nothing where the pilot has set QT_SCALE_FACTOR, or where the platform fits windows itself.
void fitDisplayScaleToScreen();

}  // namespace brivan::ui

#pragma once
// Whether there is a display to show the screens on, asked before Qt would abort without one.

namespace brivan::ui {

// Before the application object exists: true where there is plainly no display to show the
// screens on (a Linux machine with neither X nor Wayland).
bool displayMissing();

}  // namespace brivan::ui

#pragma once
// The desktop's beep and end of the program, through Qt.
#include "ui/platform.h"

namespace brivan::ui {

class QtPlatform final : public Platform {
public:
    void beep() override;
    void quit() override;
};

// Before the application object exists: true where there is plainly no display to show the
// screens on (a Linux machine with neither X nor Wayland).
bool displayMissing();

}  // namespace brivan::ui

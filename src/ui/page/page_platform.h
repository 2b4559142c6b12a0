#pragma once
// The browser's beep and end of the program.
#include "ui/platform.h"

namespace brivan::ui {

class PagePlatform final : public Platform {
public:
    // A short tone through Web Audio.
    void beep() override;
    // Every window is closed already: the page says that the program has ended and offers to
    // start it again (a page cannot close its own tab, and the pilot should not face a blank one).
    void quit() override;
};

// Listens to the keyboard for the windows of the program; then tells the page the program is up.
void startPage();

}  // namespace brivan::ui

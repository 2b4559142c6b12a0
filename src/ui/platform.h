#pragma once
// The two services of the desktop that a test must be able to observe: the beep that follows every
// judgement and the end of the program. The program uses QtPlatform; tests use one that counts.

namespace brivan::ui {

class Platform {
public:
    virtual ~Platform() = default;
    virtual void beep() = 0;
    // Leaves the event loop; the caller has already closed every screen.
    virtual void quit() = 0;
};

class QtPlatform final : public Platform {
public:
    void beep() override;
    void quit() override;
};

// Before the application object exists: true where there is plainly no display to show the
// screens on (a Linux machine with neither X nor Wayland).
bool displayMissing();

}  // namespace brivan::ui

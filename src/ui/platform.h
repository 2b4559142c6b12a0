#pragma once
// The two services of the platform that a test must be able to observe: the beep that follows
// every judgement and the end of the program. Each screen backend has a real one; tests use one
// that counts.

namespace brivan::ui {

class Platform {
public:
    virtual ~Platform() = default;
    virtual void beep() = 0;
    // Ends the program; the caller has already closed every screen.
    virtual void quit() = 0;
};

}  // namespace brivan::ui

#pragma once
// A platform that counts beeps and ends instead of sounding and quitting.
#include "ui/platform.h"

namespace brivan::testing {

class CountingPlatform final : public ui::Platform {
public:
    int beeps = 0;
    int quits = 0;
    void beep() override { ++beeps; }
    void quit() override { ++quits; }
};

}  // namespace brivan::testing

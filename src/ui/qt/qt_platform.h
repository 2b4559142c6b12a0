#pragma once
// The desktop's beep and end of the program, through Qt.
#include "ui/platform.h"

namespace brivan::ui {

class QtPlatform final : public Platform {
public:
    void beep() override;
    void quit() override;
};

}  // namespace brivan::ui

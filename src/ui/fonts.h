#pragma once
// The one place where the designed font names meet the fonts installed on this machine.
#include "ui/layout.h"

class QFont;

namespace brivan::ui {

// The installed family that stands in for a designed face.
const char* installedFamily(Face face);

QFont makeFont(const FontSpec& spec);

}  // namespace brivan::ui

#pragma once
// The one place where the designed font names meet the fonts installed on this machine.
#include "ui/layout.h"

class QFont;

namespace brivan::ui {

// The installed family that stands in for a designed face.
const char* installedFamily(Face face);

QFont makeFont(const FontSpec& design);

// Makes the screens' own font (MS Sans Serif 8.25 or its stand-in) the application's, once, so
// that a control starts with the font it will keep: a text box lays out its text as it is made,
// and would otherwise load the desktop's font first.
void useScreenFontByDefault();

}  // namespace brivan::ui

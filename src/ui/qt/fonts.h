#pragma once
// Where the faces that the tables' fonts take (ui/look.h) meet the fonts installed on this machine.
#include <QString>

#include "ui/layout.h"

class QFont;

namespace brivan::ui {

// The family a designed face is drawn in here: the first of its faces that is installed.
QString installedFamily(Face face);

QFont makeFont(const FontSpec& design);

// Makes the screens' own font (MS Sans Serif 8.25 or its stand-in) the application's, once, so
// that a control starts with the font it will keep: a text box lays out its text as it is made,
// and would otherwise load the desktop's font first.
void useScreenFontByDefault();

}  // namespace brivan::ui

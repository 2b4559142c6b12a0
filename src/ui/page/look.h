#pragma once
// The one place where the page backend turns the tables' faces and colours into the page's: font
// families that prefer the device's own Times New Roman and Arial and fall back to their metric
// twins served with the page, and the desktop scheme's system colours.
#include <string>

#include "ui/layout.h"

namespace brivan::ui::look {

// The CSS font-family list for a designed face.
const char* fontFamily(Face face);
// The CSS font size for a designed size in points (a CSS point is a point at 96 dpi too).
std::string fontSize(double points);
// The CSS colour of a table's colour; system colours (0x800000nn) from the program's own scheme.
std::string colour(Colour colour);

}  // namespace brivan::ui::look

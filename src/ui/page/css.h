#pragma once
// The tables' faces, sizes and colours as the page's CSS values; what they are is the shared
// layer's (ui/look.h).
#include <string>

#include "ui/layout.h"

namespace brivan::ui::css {

// The CSS font-family list of a designed face.
std::string fontFamily(Face face);
// The CSS font size for a designed size in points (a CSS point is a point at 96 dpi too).
std::string fontSize(double points);
// The CSS colour of a table's colour; the scheme's (0x800000nn) as the page draws them.
std::string colour(Colour colour);
// The same for a text, darker where the pilot asked for more contrast (colour.h).
std::string textColour(Colour colour);

}  // namespace brivan::ui::css

#include "ui/page/look.h"

#include <cstdio>

namespace brivan::ui::look {

const char* fontFamily(Face face) {
    // "Brivan Serif" and "Brivan Sans" are Liberation Serif and Sans (page.css): a device without
    // Times New Roman or Arial gets the faces with their widths, so text fits as designed. "MS
    // Sans Serif" has no twin that scales; Arial takes its place, as on Windows.
    switch (face) {
    case Face::TimesNewRoman: return "\"Times New Roman\", \"Brivan Serif\", serif";
    case Face::Arial:
    case Face::MsSansSerif: return "Arial, \"Brivan Sans\", sans-serif";
    }
    return "Arial, \"Brivan Sans\", sans-serif";
}

std::string fontSize(double points) {
    char size[24];
    std::snprintf(size, sizeof size, "%gpt", points);
    return size;
}

namespace {
// The desktop scheme the program's screens are drawn in on the desktop too (Qt's default palette),
// so that the two look alike and the two backends can be compared colour for colour.
Colour systemColour(Colour c) {
    switch (c & 0xFF) {
    case 0x05: return 0xFFFFFF;  // window background
    case 0x08: return 0x000000;  // window text
    case 0x09: return 0xFFFFFF;  // active title-bar text
    case 0x12: return 0x000000;  // button text
    default: return 0xEFEFEF;    // button face, menu bar, active border
    }
}
}  // namespace

std::string colour(Colour c) {
    if (isSystemColour(c)) c = systemColour(c);
    char css[8];
    std::snprintf(css, sizeof css, "#%02x%02x%02x", unsigned(c & 0xFF), unsigned((c >> 8) & 0xFF),
                  unsigned((c >> 16) & 0xFF));
    return css;
}

}  // namespace brivan::ui::look

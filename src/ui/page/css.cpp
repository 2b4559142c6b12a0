#include "ui/page/css.h"

#include <cstdio>

#include "ui/look.h"
#include "ui/page/contrast.h"

namespace brivan::ui::css {

std::string fontFamily(Face face) {
    const Typeface typeface = typefaceOf(face, FontPlatform::Browser);
    std::string families;
    for (std::string_view family : typeface.families) {
        const bool quoted = family.find(' ') != std::string_view::npos;
        families += quoted ? "\"" + std::string(family) + "\", " : std::string(family) + ", ";
    }
    return families + (typeface.serif ? "serif" : "sans-serif");
}

std::string fontSize(double points) {
    char size[24];
    std::snprintf(size, sizeof size, "%gpt", points);
    return size;
}

std::string colour(Colour c) {
    c = schemeColour(c);
    char value[8];
    std::snprintf(value, sizeof value, "#%02x%02x%02x", unsigned(c & 0xFF), unsigned((c >> 8) & 0xFF),
                  unsigned((c >> 16) & 0xFF));
    return value;
}

std::string textColour(Colour c) { return colour(page::moreContrast() ? textWithMoreContrast(c) : c); }

}  // namespace brivan::ui::css

#pragma once
// How the screens look on every backend, where the tables leave it to the desktop: the colours a
// control is drawn in when its row names none, the desktop scheme's colours (0x800000nn) as the
// page draws them, and the installed faces that the tables' fonts take.
#include <span>
#include <string_view>

#include "ui/colour.h"
#include "ui/layout.h"

namespace brivan::ui {

struct ColourPair {
    Colour fore;
    Colour back;
};

// The colours of a control of this kind where its row names none: a label, an option button and
// a button are drawn in the button face's colours, a box in the window's.
ColourPair defaultColours(ControlKind kind);
// The colours a control of the table starts with.
ColourPair startColours(const ControlSpec& row);

// A colour of the desktop's scheme as the page draws it: the scheme the screens are drawn in on a
// desktop without a theme of its own (Qt's default palette), so that the two backends look
// alike. A desktop resolves them from its own palette. Any other colour is returned as it is.
Colour schemeColour(Colour colour);

// Where a face is asked for: Windows and macOS have the designed faces; a Linux desktop has what
// fontconfig lists; a browser takes a CSS list.
enum class FontPlatform { Windows, MacOS, Linux, Browser };

struct Typeface {
    std::span<const std::string_view> families;  // in order of preference: the first one there is taken
    bool serif;                                  // the generic family, where none of them is there
};

Typeface typefaceOf(Face face, FontPlatform platform);

}  // namespace brivan::ui

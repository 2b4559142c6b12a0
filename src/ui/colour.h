#pragma once
// Colours as the screens name them: 0x00BBGGRR, blue in the high byte and red in the low one.
// Values with the top bit set (0x800000nn) name a colour of the desktop's scheme and are resolved
// from the palette when a window is built.
#include <cstdint>

namespace brivan::ui {

using Colour = std::uint32_t;

namespace colours {
inline constexpr Colour Red = 0x0000FF;
inline constexpr Colour Blue = 0xFF0000;
inline constexpr Colour Yellow = 0x00FFFF;
inline constexpr Colour Black = 0x000000;
inline constexpr Colour DarkRed = 0x000080;
inline constexpr Colour ScoreRed = 0x0000C0;
inline constexpr Colour DarkGrey = 0x404040;
inline constexpr Colour Navy = 0x800000;

inline constexpr Colour MenuBar = 0x80000004;
inline constexpr Colour TitleBarText = 0x80000009;
inline constexpr Colour ActiveBorder = 0x8000000A;
inline constexpr Colour ButtonFace = 0x8000000F;
inline constexpr Colour ButtonText = 0x80000012;
inline constexpr Colour WindowBackground = 0x80000005;
inline constexpr Colour WindowText = 0x80000008;
}  // namespace colours

constexpr bool isSystemColour(Colour c) { return (c & 0x80000000u) != 0; }

// Where the pilot has asked the device for more contrast, a text colour that falls short of 4.5:1
// on the screens' grounds is drawn in a darker twin. The grounds keep theirs, so that a warning
// light stays red and a caution light yellow, each with its black legend (5.3:1 and 19.6:1).
struct DarkerText {
    Colour colour;
    Colour darker;
};
inline constexpr DarkerText kMoreContrast[] = {
    {colours::Red, 0x0000B0},  // #ff0000, 3.5:1 on the button face; #b00000, 6.4:1
};

constexpr Colour textWithMoreContrast(Colour text) {
    for (const DarkerText& twin : kMoreContrast)
        if (twin.colour == text) return twin.darker;
    return text;
}

}  // namespace brivan::ui

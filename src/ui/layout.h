#pragma once
// A screen's design as data: its window and its controls, listed front to back exactly as the
// screen tables list them. Sizes and positions are in twips (15 to the pixel at 96 dpi).
#include <optional>
#include <span>
#include <string_view>

#include "ui/colour.h"

namespace brivan::ui {

enum class ControlKind { Label, TextBox, ComboBox, OptionButton, Button, Picture };

enum class Face { MsSansSerif, TimesNewRoman, Arial };

struct FontSpec {
    Face face = Face::MsSansSerif;
    double points = 8.25;
    bool bold = false;

    friend constexpr bool operator==(const FontSpec&, const FontSpec&) = default;
};

// The screen's own font, used where a table says "default".
inline constexpr FontSpec kDefaultFont{};
inline constexpr FontSpec kTnr9{Face::TimesNewRoman, 9, false};
inline constexpr FontSpec kTnr12{Face::TimesNewRoman, 12, false};
inline constexpr FontSpec kTnr12Bold{Face::TimesNewRoman, 12, true};
inline constexpr FontSpec kMss12{Face::MsSansSerif, 12, false};
inline constexpr FontSpec kArial975Bold{Face::Arial, 9.75, true};

enum class Align { Left, Centre };

enum class Role { None, Default, Cancel };

inline constexpr int kNoTab = -1;

// What a screen reader says for a control where what the screen shows is not enough. Nothing here
// changes what the screen shows.
struct Speech {
    std::string_view name{};         // said for the control: what a picture shows, what a box is for
    std::string_view description{};  // said on request after the name: the wording of a picture of text
    std::string_view namedBy{};      // the label whose caption is this control's name, kept in step
    std::string_view partOf{};       // the light whose name reads this label's caption; not read alone
    bool light = false;              // an annunciator light: "Warning light: " on red, "Caution light: "
                                     // on yellow, then its legend
    int told = 0;                    // read out when a handler sets its caption: the captions set by one
                                     // handler are read together, in this order (1 first); 0: never
    std::string_view toldWith{};     // a fixed line read out whenever this told label is
    bool digitsApart = false;        // its digits are read one by one: an order, not a number
};

struct ControlSpec {
    std::string_view name;
    ControlKind kind;
    int left, top, width, height;
    int tab = kNoTab;
    std::string_view text{};  // caption of a label or button, text of a box, name of a picture
    FontSpec font = kDefaultFont;
    std::optional<Colour> fore{};
    std::optional<Colour> back{};
    std::string_view toolTip{};
    Align align = Align::Left;
    Role role = Role::None;
    std::span<const std::string_view> items{};  // the list of a drop-down box
    bool numeric = false;  // a box that takes a number: a tablet offers its digit keyboard first
    Speech speech{};
};

struct WindowSpec {
    std::string_view caption;
    std::string_view description{};  // read by a screen reader after the caption when the window opens
    int width, height;  // client area, twips
    Colour back = colours::ButtonFace;
    bool icon = true;
    bool centred = true;
};

struct Layout {
    WindowSpec window;
    std::span<const ControlSpec> controls;  // front to back
};

inline constexpr int kTwipsPerPixel = 15;

// A size or place of the tables, in pixels at 96 dpi.
constexpr int pixels(int twips) { return twips / kTwipsPerPixel; }

}  // namespace brivan::ui

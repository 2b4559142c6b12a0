#include "ui/look.h"

namespace brivan::ui {

ColourPair defaultColours(ControlKind kind) {
    switch (kind) {
    case ControlKind::TextBox:
    case ControlKind::ComboBox: return {colours::WindowText, colours::WindowBackground};
    case ControlKind::Label:
    case ControlKind::OptionButton:
    case ControlKind::Button:
    case ControlKind::Picture: return {colours::ButtonText, colours::ButtonFace};
    }
    return {colours::ButtonText, colours::ButtonFace};
}

ColourPair startColours(const ControlSpec& row) {
    const ColourPair defaults = defaultColours(row.kind);
    return {row.fore.value_or(defaults.fore), row.back.value_or(defaults.back)};
}

Colour schemeColour(Colour colour) {
    switch (colour) {
    case colours::WindowBackground: return 0xFFFFFF;
    case colours::WindowText: return 0x000000;
    case colours::TitleBarText: return 0xFFFFFF;
    case colours::ButtonText: return 0x000000;
    case colours::ButtonFace:
    case colours::MenuBar:
    case colours::ActiveBorder: return 0xEFEFEF;
    default: return isSystemColour(colour) ? 0xEFEFEF : colour;  // a colour of the scheme no table uses
    }
}

namespace {
using namespace std::string_view_literals;
// Liberation Serif and Sans share the widths of Times New Roman and Arial, so text fits the
// labels it was designed for; in the page they are served as Brivan Serif and Sans (page.css).
// MS Sans Serif has no twin that scales: a bitmap face, drawn at a few sizes only and not at all
// by DirectWrite, it changes face or is cut at 125 % and above on Windows. Arial takes its place
// there and in the page, with the widths of the Liberation Sans that Linux uses, where fontconfig
// would fall back to the much wider DejaVu Sans.
constexpr std::string_view kTimes[] = {"Times New Roman"sv};
constexpr std::string_view kArial[] = {"Arial"sv};
constexpr std::string_view kLinuxTimes[] = {"Times New Roman"sv, "Liberation Serif"sv};
constexpr std::string_view kLinuxArial[] = {"Arial"sv, "Liberation Sans"sv};
constexpr std::string_view kLinuxSansSerif[] = {"MS Sans Serif"sv, "Liberation Sans"sv};
constexpr std::string_view kPageTimes[] = {"Times New Roman"sv, "Brivan Serif"sv};
constexpr std::string_view kPageArial[] = {"Arial"sv, "Brivan Sans"sv};
}  // namespace

Typeface typefaceOf(Face face, FontPlatform platform) {
    const bool serif = face == Face::TimesNewRoman;
    switch (platform) {
    case FontPlatform::Windows:
    case FontPlatform::MacOS: return {serif ? kTimes : kArial, serif};
    case FontPlatform::Linux:
        return {serif ? std::span(kLinuxTimes) : face == Face::Arial ? kLinuxArial : kLinuxSansSerif, serif};
    case FontPlatform::Browser: return {serif ? kPageTimes : kPageArial, serif};
    }
    return {kArial, serif};
}

}  // namespace brivan::ui

// The terms screen, front to back. Every control uses the screen's own font; there is no default
// or cancel button.
#include "ui/layouts/common_texts.h"
#include "ui/layouts/layouts.h"
#include "ui/layouts/publisher.h"

namespace brivan::ui {

namespace {

using enum ControlKind;

constexpr ControlSpec kControls[] = {
    {.name = "Command1", .kind = Button, .left = 6240, .top = 4560, .width = 1335, .height = 495, .tab = 3,
     .text = "Exit Program"},
    {.name = "Text1", .kind = TextBox, .left = 4200, .top = 5400, .width = 3735, .height = 285, .tab = 1,
     .text = publisher::kNotice, .speech = {.name = "Notice of rights"}},
    {.name = "cmdContinue", .kind = Button, .left = 4440, .top = 4560, .width = 1335, .height = 495, .tab = 0,
     .text = "I Agree"},
    {.name = "Image3", .kind = Picture, .left = 4560, .top = 1440, .width = 2955, .height = 270,
     .text = "terms_heading.gif", .speech = {.name = "Terms and Conditions for use"}},
    {.name = "Image2", .kind = Picture, .left = 3480, .top = 0, .width = 5100, .height = 1200, .text = texts::kLogo,
     .speech = {.name = texts::kSayLogo}},
    {.name = "Label1", .kind = Label, .left = -120, .top = 0, .width = 11895, .height = 1215, .tab = 2,
     .back = colours::TitleBarText},
    {.name = "imgBrivan", .kind = Picture, .left = 1920, .top = 1920, .width = 8010, .height = 1980,
     .text = "disclaimer.gif", .toolTip = texts::kTipDisclaimer,
     .speech = {.name = "Disclaimer", .description = publisher::kDisclaimer}},
};

constexpr Layout kLayout{
    .window = {.caption = "Brivan Review Program", .description = publisher::kDisclaimer, .width = 11415, .height = 8640, .back = colours::TitleBarText,
               .icon = false, .centred = false},
    .controls = kControls,
};

}  // namespace

const Layout& introLayout() { return kLayout; }

}  // namespace brivan::ui

// The Limitations screen, front to back.
#include "ui/layouts/common_texts.h"
#include "ui/layouts/layouts.h"
#include "ui/layouts/publisher.h"
#include "ui/layouts/told_order.h"

namespace brivan::ui {

namespace {

using enum ControlKind;
using namespace texts;

constexpr ControlSpec kControls[] = {
    {.name = "cmdTerms", .kind = Button, .left = 1080, .top = 6720, .width = 1935, .height = 495, .tab = 15,
     .text = kTerms},
    {.name = "Command3", .kind = Button, .left = 6120, .top = 7440, .width = 1335, .height = 492, .tab = 10,
     .text = kMemoryItems, .font = kTnr9},
    {.name = "Command2", .kind = Button, .left = 4800, .top = 7440, .width = 1335, .height = 492, .tab = 9,
     .text = kMasterWarning, .font = kTnr9},
    {.name = "cmdEnter", .kind = Button, .left = 5400, .top = 5520, .width = 1335, .height = 492, .tab = 0,
     .text = kNextQuestion, .font = kTnr9, .toolTip = kTipNext},
    {.name = "cmdExit", .kind = Button, .left = 1440, .top = 6120, .width = 1335, .height = 492, .tab = 3,
     .text = kExit, .font = kTnr9, .toolTip = kTipExit, .role = Role::Cancel},
    {.name = "cmdEnteranswer", .kind = Button, .left = 5400, .top = 6720, .width = 1335, .height = 492, .tab = 2,
     .text = kEnterAnswer, .font = kTnr9, .toolTip = kTipEnter, .role = Role::Default},
    {.name = "txtAnswer", .kind = TextBox, .left = 5400, .top = 6120, .width = 1335, .height = 492, .tab = 1,
     .toolTip = kTipAnswer, .numeric = true},
    {.name = "lblCorrect", .kind = Label, .left = 240, .top = 2400, .width = 2535, .height = 375, .tab = 14,
     .font = kTnr12Bold, .fore = colours::DarkRed, .align = Align::Centre, .speech = {.told = told::kScoreLine}},
    {.name = "lblPercent", .kind = Label, .left = 240, .top = 2880, .width = 2535, .height = 375, .tab = 13,
     .font = kTnr12Bold, .fore = colours::DarkRed, .align = Align::Centre, .speech = {.told = told::kPercent}},
    {.name = "lblQuestion", .kind = Label, .left = 2280, .top = 4680, .width = 7335, .height = 855, .tab = 4,
     .font = kTnr12Bold, .toolTip = kTipQuestion, .align = Align::Centre, .speech = {.told = told::kQuestion}},
    {.name = "lblMain1", .kind = Label, .left = 360, .top = 7320, .width = 3375, .height = 375, .tab = 12,
     .text = publisher::kCourtesyLine, .font = kTnr12, .fore = colours::Navy, .back = colours::MenuBar,
     .align = Align::Centre},
    {.name = "Label2", .kind = Label, .left = 360, .top = 7680, .width = 3375, .height = 375, .tab = 11,
     .text = publisher::kResources, .font = kTnr12, .fore = colours::Navy, .back = colours::MenuBar,
     .align = Align::Centre},
    {.name = "Image2", .kind = Picture, .left = 3360, .top = 0, .width = 5100, .height = 1200, .text = kLogo,
     .speech = {.name = kSayLogo}},
    {.name = "Label1", .kind = Label, .left = 0, .top = 0, .width = 11895, .height = 1215, .tab = 8,
     .back = colours::TitleBarText},
    {.name = "lblRef", .kind = Label, .left = 6960, .top = 6840, .width = 3615, .height = 495, .tab = 7,
     .font = kMss12, .fore = colours::Blue, .speech = {.told = told::kReference}},
    {.name = "lblResponse2", .kind = Label, .left = 6960, .top = 5640, .width = 3615, .height = 495, .tab = 6,
     .font = kMss12, .speech = {.told = told::kVerdict}},
    {.name = "lblResponse", .kind = Label, .left = 6960, .top = 6240, .width = 3615, .height = 495, .tab = 5,
     .font = kMss12, .fore = colours::DarkGrey, .speech = {.told = told::kCorrectAnswer}},
    {.name = "imgBrivan", .kind = Picture, .left = 3240, .top = 1200, .width = 5400, .height = 3675,
     .text = kAircraft, .toolTip = kTipAircraft, .speech = {.name = kSayAircraft}},
};

constexpr Layout kLayout{
    .window = {.caption = "Brivan 2000 Limitations", .width = 11880, .height = 8640},
    .controls = kControls,
};

}  // namespace

const Layout& limitationsLayout() { return kLayout; }

}  // namespace brivan::ui

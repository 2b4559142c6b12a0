// The Memory Items screen, front to back. Seven drop-down boxes stand left of the eight checklist
// lines; lbl7, the note line between lbl6 and lbl8, has none.

#include "ui/layouts/common_texts.h"
#include "ui/layouts/layouts.h"
#include "ui/layouts/publisher.h"
#include "ui/layouts/told_order.h"

namespace brivan::ui {

namespace {

using enum ControlKind;
using namespace texts;

constexpr std::string_view kNumbers[] = {"1", "2", "3", "4", "5", "6", "7"};

// A screen reader names each box after the step line beside it.
constexpr ControlSpec box(std::string_view name, std::string_view number, int top, int tab, std::string_view line) {
    return {.name = name, .kind = ComboBox, .left = 2160, .top = top, .width = 495, .height = 315, .tab = tab,
            .text = number, .items = kNumbers, .speech = {.namedBy = line}};
}

// The checklist's lines are told from the top: line n in place n.
constexpr ControlSpec line(std::string_view name, int top, int tab, int place, FontSpec font = kTnr12) {
    return {.name = name, .kind = Label, .left = 2880, .top = top, .width = 7455, .height = 375, .tab = tab,
            .font = font, .speech = {.told = told::kFirstLine + place - 1}};
}

constexpr ControlSpec kControls[] = {
    {.name = "cmdTerms", .kind = Button, .left = 960, .top = 6720, .width = 1935, .height = 495, .tab = 31,
     .text = kTerms},
    {.name = "Command3", .kind = Button, .left = 4680, .top = 7440, .width = 1335, .height = 492, .tab = 28,
     .text = kLimitations, .font = kTnr9},
    {.name = "Command2", .kind = Button, .left = 6000, .top = 7440, .width = 1335, .height = 492, .tab = 27,
     .text = kMasterWarning, .font = kTnr9},
    box("com7", "7", 5520, 23, "lbl8"),
    box("com6", "6", 4800, 22, "lbl6"),
    box("com5", "5", 4320, 21, "lbl5"),
    box("com4", "4", 3840, 20, "lbl4"),
    box("com3", "3", 3360, 19, "lbl3"),
    box("com2", "2", 2880, 18, "lbl2"),
    box("com1", "1", 2400, 17, "lbl1"),
    {.name = "cmdEnter", .kind = Button, .left = 5400, .top = 6000, .width = 1335, .height = 492, .tab = 0,
     .text = kNextQuestion, .font = kTnr9, .toolTip = kTipNext},
    {.name = "cmdExit", .kind = Button, .left = 1320, .top = 6120, .width = 1335, .height = 492, .tab = 2,
     .text = kExit, .font = kTnr9, .toolTip = kTipExit, .role = Role::Cancel},
    {.name = "cmdEnteranswer", .kind = Button, .left = 5400, .top = 6720, .width = 1335, .height = 492, .tab = 1,
     .text = kEnterAnswer, .font = kTnr9, .toolTip = kTipEnter, .role = Role::Default},
    {.name = "lblPercent", .kind = Label, .left = 0, .top = 1800, .width = 2535, .height = 375, .tab = 30,
     .font = kTnr12Bold, .fore = colours::DarkRed, .align = Align::Centre, .speech = {.told = told::kPercent}},
    {.name = "lblCorrect", .kind = Label, .left = 0, .top = 1320, .width = 2535, .height = 375, .tab = 29,
     .font = kTnr12Bold, .fore = colours::DarkRed, .align = Align::Centre, .speech = {.told = told::kScoreLine}},
    {.name = "Label2", .kind = Label, .left = 360, .top = 7680, .width = 3375, .height = 375, .tab = 26,
     .text = publisher::kResources, .font = kTnr12, .fore = colours::Navy, .back = colours::MenuBar,
     .align = Align::Centre},
    {.name = "lblMain1", .kind = Label, .left = 360, .top = 7320, .width = 3375, .height = 375, .tab = 25,
     .text = publisher::kCourtesyLine, .font = kTnr12, .fore = colours::Navy, .back = colours::MenuBar,
     .align = Align::Centre},
    {.name = "Image2", .kind = Picture, .left = 3360, .top = 0, .width = 5100, .height = 1200, .text = kLogo,
     .speech = {.name = kSayLogo}},
    {.name = "lblQuestion", .kind = Label, .left = 2640, .top = 1320, .width = 6735, .height = 375, .tab = 24,
     .font = kTnr12Bold, .fore = colours::Black, .align = Align::Centre, .speech = {.told = told::kQuestion}},
    line("lbl7", 5160, 16, 7, kTnr12Bold),
    line("lbl5", 4320, 15, 5),
    line("lbl6", 4800, 14, 6),
    line("lbl8", 5520, 13, 8),
    {.name = "lblAnn2", .kind = Label, .left = 5400, .top = 2040, .width = 1215, .height = 240, .tab = 12,
     .font = kArial975Bold, .back = colours::Yellow, .align = Align::Centre, .speech = {.partOf = "lblAnn"}},
    {.name = "lblAnn", .kind = Label, .left = 5400, .top = 1800, .width = 1215, .height = 240, .tab = 11,
     .font = kArial975Bold, .back = colours::Yellow, .align = Align::Centre,
     .speech = {.light = true, .told = told::kLight}},
    line("lbl4", 3840, 9, 4),
    line("lbl3", 3360, 8, 3),
    line("lbl2", 2880, 7, 2),
    line("lbl1", 2400, 6, 1),
    {.name = "lblRef", .kind = Label, .left = 6720, .top = 6960, .width = 3495, .height = 375, .tab = 5,
     .font = kTnr12, .fore = colours::Blue, .align = Align::Centre, .speech = {.told = told::kReference}},
    {.name = "lblResponse2", .kind = Label, .left = 6720, .top = 6000, .width = 3495, .height = 375, .tab = 4,
     .font = kTnr12, .align = Align::Centre, .speech = {.told = told::kVerdict}},
    {.name = "lblResponse", .kind = Label, .left = 6720, .top = 6480, .width = 3495, .height = 375, .tab = 3,
     .font = kTnr12, .fore = colours::DarkGrey, .align = Align::Centre,
     .speech = {.told = told::kCorrectAnswer, .digitsApart = true}},
    {.name = "Label1", .kind = Label, .left = 0, .top = 0, .width = 12600, .height = 1215, .tab = 10,
     .back = colours::TitleBarText},
};

constexpr Layout kLayout{
    .window = {.caption = "Brivan 2000 Memory Items", .width = 11355, .height = 8595, .back = colours::ActiveBorder},
    .controls = kControls,
};

}  // namespace

const Layout& memoryItemsLayout() { return kLayout; }

}  // namespace brivan::ui

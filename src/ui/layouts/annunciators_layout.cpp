// The Annunciators screen, front to back. The banner strip runs past the right edge and the score
// labels start left of the client area: both are clipped, as designed.
#include "ui/layouts/common_texts.h"
#include "ui/layouts/layouts.h"
#include "ui/layouts/publisher.h"
#include "ui/layouts/told_order.h"

namespace brivan::ui {

namespace {

using enum ControlKind;
using namespace texts;

// An option button has no caption of its own: a screen reader names it after its choice label.
constexpr ControlSpec option(std::string_view name, int top, int tab, std::string_view choice) {
    return {.name = name, .kind = OptionButton, .left = 2040, .top = top, .width = 255, .height = 495, .tab = tab,
            .speech = {.namedBy = choice}};
}

constexpr ControlSpec choice(std::string_view name, int top, int tab, int told) {
    return {.name = name, .kind = Label, .left = 2400, .top = top, .width = 7935, .height = 615, .tab = tab,
            .font = kTnr12, .speech = {.told = told}};
}

constexpr ControlSpec kControls[] = {
    {.name = "cmdTerms", .kind = Button, .left = 1200, .top = 6720, .width = 1935, .height = 495, .tab = 25,
     .text = kTerms},
    {.name = "Command3", .kind = Button, .left = 6000, .top = 7440, .width = 1335, .height = 492, .tab = 22,
     .text = kMemoryItems, .font = kTnr9},
    {.name = "Command2", .kind = Button, .left = 4680, .top = 7440, .width = 1335, .height = 492, .tab = 21,
     .text = kLimitations, .font = kTnr9},
    option("OptionD", 4440, 16, "lblD"),
    option("OptionC", 3720, 15, "lblC"),
    option("OptionB", 3000, 14, "lblB"),
    option("OptionA", 2280, 13, "lblA"),
    {.name = "cmdEnter", .kind = Button, .left = 5400, .top = 5520, .width = 1335, .height = 492, .tab = 0,
     .text = kNextQuestion, .font = kTnr9, .toolTip = kTipNext},
    {.name = "cmdExit", .kind = Button, .left = 1560, .top = 6120, .width = 1335, .height = 492, .tab = 3,
     .text = kExit, .font = kTnr9, .toolTip = kTipExit, .role = Role::Cancel},
    {.name = "cmdEnteranswer", .kind = Button, .left = 5400, .top = 6720, .width = 1335, .height = 492, .tab = 2,
     .text = kEnterAnswer, .font = kTnr9, .toolTip = kTipEnter, .role = Role::Default},
    {.name = "txtAnswer", .kind = TextBox, .left = 5400, .top = 6120, .width = 1335, .height = 492, .tab = 1,
     .toolTip = kTipAnswer},
    {.name = "lblPercent", .kind = Label, .left = -120, .top = 1800, .width = 2535, .height = 375, .tab = 24,
     .font = kTnr12Bold, .fore = colours::DarkRed, .align = Align::Centre, .speech = {.told = told::kPercent}},
    {.name = "lblCorrect", .kind = Label, .left = -120, .top = 1320, .width = 2535, .height = 375, .tab = 23,
     .font = kTnr12Bold, .fore = colours::DarkRed, .align = Align::Centre, .speech = {.told = told::kScoreLine}},
    {.name = "Label3", .kind = Label, .left = 360, .top = 7680, .width = 3375, .height = 375, .tab = 20,
     .text = publisher::kResources, .font = kTnr12, .fore = colours::Navy, .back = colours::MenuBar,
     .align = Align::Centre},
    {.name = "Label4", .kind = Label, .left = 360, .top = 7320, .width = 3375, .height = 375, .tab = 19,
     .text = publisher::kCourtesyLine, .font = kTnr12, .fore = colours::Navy, .back = colours::MenuBar,
     .align = Align::Centre},
    {.name = "Image2", .kind = Picture, .left = 3360, .top = 0, .width = 5100, .height = 1200, .text = kLogo,
     .speech = {.name = kSayLogo}},
    {.name = "lblAnn2", .kind = Label, .left = 5280, .top = 2040, .width = 1245, .height = 240, .tab = 18,
     .font = kArial975Bold, .back = colours::Yellow, .align = Align::Centre, .speech = {.partOf = "lblAnn"}},
    {.name = "lblAnn", .kind = Label, .left = 5280, .top = 1800, .width = 1245, .height = 240, .tab = 17,
     .font = kArial975Bold, .back = colours::Yellow, .align = Align::Centre,
     .speech = {.light = true, .told = told::kLight}},
    {.name = "lblQuestion", .kind = Label, .left = 2400, .top = 1320, .width = 6855, .height = 615, .tab = 4,
     .text = "What will cause the illumination of the displayed annunciator?", .font = kTnr12Bold,
     .toolTip = kTipQuestion, .align = Align::Centre, .speech = {.told = told::kQuestion, .toldWith = "lblAnn"}},
    choice("lblD", 4560, 11, told::kFirstLine + 3),
    choice("lblC", 3840, 10, told::kFirstLine + 2),
    choice("lblB", 3120, 9, told::kFirstLine + 1),
    choice("lblA", 2400, 8, told::kFirstLine),
    {.name = "lblRef", .kind = Label, .left = 6720, .top = 6840, .width = 3495, .height = 495, .tab = 7,
     .font = kTnr12, .fore = colours::Blue, .align = Align::Centre, .speech = {.told = told::kReference}},
    {.name = "lblResponse2", .kind = Label, .left = 6720, .top = 5640, .width = 3495, .height = 495, .tab = 6,
     .font = kTnr12, .align = Align::Centre, .speech = {.told = told::kVerdict}},
    {.name = "lblResponse", .kind = Label, .left = 6720, .top = 6240, .width = 3495, .height = 495, .tab = 5,
     .font = kTnr12, .fore = colours::DarkGrey, .align = Align::Centre,
     .speech = {.told = told::kCorrectAnswer}},
    {.name = "Label1", .kind = Label, .left = 0, .top = 0, .width = 12600, .height = 1215, .tab = 12,
     .back = colours::TitleBarText},
};

constexpr Layout kLayout{
    .window = {.caption = "Brivan 2000 Annunciators", .width = 11355, .height = 8595, .back = colours::ActiveBorder},
    .controls = kControls,
};

}  // namespace

const Layout& annunciatorsLayout() { return kLayout; }

}  // namespace brivan::ui

// The three results screens, front to back: one table, with the two quiz buttons as the only
// difference between them.
#include <array>

#include "ui/layouts/common_texts.h"
#include "ui/layouts/layouts.h"
#include "ui/layouts/publisher.h"

namespace brivan::ui {

namespace {

using enum ControlKind;
using namespace texts;

constexpr std::string_view kLimitaions = "&Limitaions";

// A quiz button at Left 4800 (tab 1) or 6120 (tab 2).
struct QuizButton {
    std::string_view caption;
    int left;
    int tab;
};
constexpr QuizButton atLeft(std::string_view caption) { return {caption, 4800, 1}; }
constexpr QuizButton atRight(std::string_view caption) { return {caption, 6120, 2}; }

constexpr ControlSpec quizButton(std::string_view name, QuizButton b) {
    return {.name = name, .kind = Button, .left = b.left, .top = 7080, .width = 1335, .height = 492, .tab = b.tab,
            .text = b.caption, .font = kTnr9};
}

constexpr std::array<ControlSpec, 14> resultsControls(QuizButton command2, QuizButton command5) {
    return {{
        {.name = "cmdTerms", .kind = Button, .left = 1080, .top = 6720, .width = 1935, .height = 495, .tab = 11,
         .text = kTerms},
        quizButton("Command5", command5),
        {.name = "Command4", .kind = Button, .left = 5400, .top = 6480, .width = 1455, .height = 492, .tab = 0,
         .text = "&Start Over!", .font = kTnr9},
        quizButton("Command2", command2),
        {.name = "cmdExit", .kind = Button, .left = 5400, .top = 7680, .width = 1455, .height = 492, .tab = 4,
         .text = kExit, .font = kTnr9, .toolTip = kTipExit, .role = Role::Cancel},
        {.name = "lblPercent", .kind = Label, .left = 2280, .top = 5280, .width = 7575, .height = 375, .tab = 10,
         .font = kTnr12Bold, .fore = colours::ScoreRed, .toolTip = kTipQuestion, .align = Align::Centre},
        {.name = "Label4", .kind = Label, .left = 2400, .top = 5880, .width = 7335, .height = 495, .tab = 9,
         .text = "What would you like to do?", .font = kTnr12Bold, .toolTip = kTipQuestion, .align = Align::Centre},
        {.name = "Label3", .kind = Label, .left = 2520, .top = 4800, .width = 7335, .height = 375, .tab = 8,
         .text = "You have completed all of the questions.", .font = kTnr12Bold, .toolTip = kTipQuestion,
         .align = Align::Centre},
        {.name = "lblQuestion", .kind = Label, .left = 2280, .top = 4680, .width = 7335, .height = 495, .tab = 3,
         .font = kTnr12Bold, .toolTip = kTipQuestion, .align = Align::Centre},
        {.name = "lblMain1", .kind = Label, .left = 360, .top = 7320, .width = 3375, .height = 375, .tab = 7,
         .text = publisher::kCourtesyLine, .font = kTnr12, .fore = colours::Navy, .back = colours::MenuBar,
         .align = Align::Centre},
        {.name = "Label2", .kind = Label, .left = 360, .top = 7680, .width = 3375, .height = 375, .tab = 6,
         .text = publisher::kResources, .font = kTnr12, .fore = colours::Navy, .back = colours::MenuBar,
         .align = Align::Centre},
        {.name = "Image2", .kind = Picture, .left = 3360, .top = 0, .width = 5100, .height = 1200, .text = kLogo,
     .speech = {.name = kSayLogo}},
        {.name = "Label1", .kind = Label, .left = 0, .top = 0, .width = 11895, .height = 1215, .tab = 5,
         .back = colours::TitleBarText},
        {.name = "imgBrivan", .kind = Picture, .left = 3360, .top = 1200, .width = 5400, .height = 3675,
         .text = kAircraft, .toolTip = kTipAircraft, .speech = {.name = kSayAircraft}},
    }};
}

constexpr WindowSpec kWindow{.caption = "Brivan 2000 Quit or Continue?", .width = 11880, .height = 8640};

constexpr auto kAfterLimitations = resultsControls(atLeft(kMasterWarning), atRight(kMemoryItems));
constexpr auto kAfterAnnunciators = resultsControls(atRight(kMemoryItems), atLeft(kLimitaions));
constexpr auto kAfterMemoryItems = resultsControls(atLeft(kMasterWarning), atRight(kLimitaions));

constexpr Layout kLayouts[] = {
    {kWindow, kAfterLimitations},
    {kWindow, kAfterAnnunciators},
    {kWindow, kAfterMemoryItems},
};

}  // namespace

const Layout& resultsLayout(ResultsOf quiz) { return kLayouts[static_cast<int>(quiz)]; }

}  // namespace brivan::ui

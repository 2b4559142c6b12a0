#pragma once
// A results screen: repeats the finished quiz's percentage line and offers the next move.
// One class for the three of them, each told which quiz it reads and where its buttons go.
#include "ui/screen.h"

namespace brivan::results {

struct ResultsTargets {
    ui::ScreenId Command4;  // "&Start Over!": the same quiz
    ui::ScreenId Command2;
    ui::ScreenId Command5;
};

class ResultsScreen final : public ui::Screen {
public:
    ResultsScreen(ui::ScreenId self, const ui::Screen& quizScreen, ResultsTargets targets, ui::Services services);

    // Reads the quiz screen's percentage line, which is still loaded while this one loads.
    void Form_Load() override;
    void Command4_Click();
    void Command2_Click();
    void Command5_Click();
    void cmdTerms_Click();
    void cmdExit_Click();

private:
    void bindHandlers(ui::Form& form) override;

    const ui::Screen& quizScreen_;
    ResultsTargets targets_;
};

}  // namespace brivan::results

#pragma once
// The Limitations quiz: one typed answer per limitation, judged at once.
#include <string>

#include "quiz/common/score.h"
#include "ui/screen.h"

namespace brivan::quiz::limitations {

class frmBrivan final : public ui::Screen {
public:
    explicit frmBrivan(ui::Services services);

    // The question shown, 1 to 65; 0 before the first of a visit; 66 at the hand-over.
    int intQuestion = 0;
    Score score;
    // The last question shown; kept across visits until the next "Next Question".
    std::string strQuestion;
    std::string strAnswer;
    std::string strRef;

    void Form_Load() override;
    void cmdEnter_Click();
    void cmdEnteranswer_Click();
    void Command2_Click();
    void Command3_Click();
    void cmdTerms_Click();
    void cmdExit_Click();

private:
    void bindHandlers(ui::Form& form) override;
};

}  // namespace brivan::quiz::limitations

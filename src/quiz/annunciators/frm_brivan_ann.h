#pragma once
// The Annunciators quiz: a drawn light and four causes, answered by an option button or a letter.
#include <string>

#include "quiz/common/score.h"
#include "ui/screen.h"

namespace brivan::quiz::annunciators {

class frmBrivanAnn final : public ui::Screen {
public:
    explicit frmBrivanAnn(ui::Services services);

    // The light shown, 1 to 46; 0 before the first of a visit; 47 at the hand-over.
    int intQuestion = 0;
    Score score;
    // The last light shown; kept across visits until the next "Next Question".
    std::string strAnswer;
    std::string strRef;
    std::string strAnn;
    std::string strAnn2;
    std::string strChoice;  // letter of the option button last selected

    void Form_Load() override;
    void cmdEnter_Click();
    void OptionA_Click();
    void OptionB_Click();
    void OptionC_Click();
    void OptionD_Click();
    void cmdEnteranswer_Click();
    void Command2_Click();
    void Command3_Click();
    void cmdTerms_Click();
    void cmdExit_Click();

private:
    void bindHandlers(ui::Form& form) override;
    void optionClick(std::string_view letter);
    void judge(std::string_view letter);
};

}  // namespace brivan::quiz::annunciators

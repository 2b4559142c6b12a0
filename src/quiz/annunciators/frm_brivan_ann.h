#pragma once
// The Annunciators quiz: a drawn light and four causes, answered by an option button or a letter.
#include <string>

#include "quiz/common/quiz_screen.h"

namespace brivan::quiz::annunciators {

class frmBrivanAnn final : public QuizScreen {
public:
    explicit frmBrivanAnn(ui::Services services);

    // The last light shown; kept across visits until the next "Next Question".
    std::string strAnswer;
    std::string strRef;
    std::string strAnn;
    std::string strAnn2;
    std::string strChoice;  // letter of the option button last selected

    void Form_Load() override;
    void cmdEnter_Click() override;
    void OptionA_Click();
    void OptionB_Click();
    void OptionC_Click();
    void OptionD_Click();
    void cmdEnteranswer_Click() override;

private:
    void bindOwnHandlers(ui::Form& form) override;
    void optionClick(std::string_view letter);
    void judge(std::string_view letter);
};

}  // namespace brivan::quiz::annunciators

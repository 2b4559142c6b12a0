#pragma once
// The Limitations quiz: one typed answer per limitation, judged at once.
#include <string>

#include "quiz/common/quiz_screen.h"

namespace brivan::quiz::limitations {

class frmBrivan final : public QuizScreen {
public:
    explicit frmBrivan(ui::Services services);

    // The last question shown; kept across visits until the next "Next Question".
    std::string strQuestion;
    std::string strAnswer;
    std::string strRef;

    void Form_Load() override;
    void cmdEnter_Click() override;
    void cmdEnteranswer_Click() override;
};

}  // namespace brivan::quiz::limitations

#pragma once
// The Memory Items quiz: an emergency checklist in mixed-up order, numbered with drop-down boxes.
#include <array>
#include <string>

#include "quiz/common/score.h"
#include "ui/screen.h"

namespace brivan::quiz::memory_items {

inline constexpr int kBoxes = 7;

class frmBrivanMem final : public ui::Screen {
public:
    explicit frmBrivanMem(ui::Services services);

    // The checklist shown, 1 to 15; 0 before the first of a visit; 16 at the hand-over.
    int intQuestion = 0;
    Score score;
    // The last checklist shown; kept across visits until the next "Next Question".
    std::string strQuestion;
    std::string strRef;
    std::array<std::string, kBoxes> strAnswer;  // expected texts of com1 to com7
    std::string strAnn;
    std::string strAnn2;

    void Form_Load() override;
    void cmdEnter_Click();
    void cmdEnteranswer_Click();
    void Command2_Click();
    void Command3_Click();
    void cmdTerms_Click();
    void cmdExit_Click();

    // The correct numbering read top to bottom, e.g. "2134576" for ENGINE FIRE.
    std::string correctOrder() const;

private:
    void bindHandlers(ui::Form& form) override;
};

}  // namespace brivan::quiz::memory_items

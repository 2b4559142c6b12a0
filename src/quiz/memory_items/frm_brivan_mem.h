#pragma once
// The Memory Items quiz: an emergency checklist in mixed-up order, numbered with drop-down boxes.
#include <array>
#include <string>

#include "quiz/common/quiz_screen.h"

namespace brivan::quiz::memory_items {

inline constexpr int kBoxes = 7;

class frmBrivanMem final : public QuizScreen {
public:
    explicit frmBrivanMem(ui::Services services);

    // The last checklist shown; kept across visits until the next "Next Question".
    std::string strQuestion;
    std::string strRef;
    std::array<std::string, kBoxes> strAnswer;  // expected texts of com1 to com7
    std::string strAnn;
    std::string strAnn2;

    void Form_Load() override;
    void cmdEnter_Click() override;
    void cmdEnteranswer_Click() override;

    // The correct numbering read top to bottom, e.g. "2134576" for ENGINE FIRE.
    std::string correctOrder() const;
};

}  // namespace brivan::quiz::memory_items

#pragma once
// The running score of a quiz screen: the counters, the rounded percentage and the two score
// lines. The counters are wide enough that no number of answers in one visit can overflow them.
#include <cstdint>
#include <string>

#include "ui/controls.h"

namespace brivan::quiz {

// correct / answered * 100, division first, in double precision, halves to the even neighbour:
// 1 of 8 is 12, 3 of 8 is 38, 23 of 40 is 57.
int roundedPercent(std::int64_t correct, std::int64_t answered);

std::string correctCaption(std::int64_t correct, std::int64_t answered);  // "5 out of 7 correct!"
std::string percentCaption(int percent);                                  // "71 percent"

struct Score {
    std::int64_t intCorrect = 0;
    std::int64_t intAnswered = 0;
    int intPercent = 0;

    void reset() { *this = Score{}; }

    // After every judgement: one more answered, the percentage anew, both score lines rewritten.
    void update(ui::Label lblCorrect, ui::Label lblPercent);
};

}  // namespace brivan::quiz

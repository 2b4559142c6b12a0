#include "quiz/common/score.h"

#include <cmath>

namespace brivan::quiz {

int roundedPercent(std::int64_t correct, std::int64_t answered) {
    if (answered <= 0) return 0;
    const double ratio = static_cast<double>(correct) / static_cast<double>(answered);
    // nearbyint rounds in the default mode, to nearest with ties to even.
    return static_cast<int>(std::nearbyint(ratio * 100.0));
}

std::string correctCaption(std::int64_t correct, std::int64_t answered) {
    return std::to_string(correct) + " out of " + std::to_string(answered) + " correct!";
}

std::string percentCaption(int percent) { return std::to_string(percent) + " percent"; }

void Score::update(ui::Label lblCorrect, ui::Label lblPercent) {
    ++intAnswered;
    intPercent = roundedPercent(intCorrect, intAnswered);
    lblCorrect.setCaption(correctCaption(intCorrect, intAnswered));
    lblPercent.setCaption(percentCaption(intPercent));
}

}  // namespace brivan::quiz

#include "quiz/common/judgement.h"

namespace brivan::quiz {

FeedbackLines FeedbackLines::of(const ui::Form& form) {
    return {form.label("lblResponse2"), form.label("lblResponse"), form.label("lblRef")};
}

void FeedbackLines::clear() {
    lblResponse.setCaption("");
    lblResponse2.setCaption("");
    lblRef.setCaption("");
}

void showRight(FeedbackLines lines, Score& score, ui::Platform& platform) {
    lines.lblResponse2.setForeColor(ui::colours::Blue);
    lines.lblResponse.setForeColor(ui::colours::Blue);
    lines.lblResponse2.setCaption(kRight);
    ++score.intCorrect;
    platform.beep();
}

void showWrong(FeedbackLines lines, std::string_view correctLine, std::string_view referenceLine,
               ui::Platform& platform) {
    lines.lblResponse.setForeColor(ui::colours::Red);
    lines.lblResponse2.setForeColor(ui::colours::Red);
    lines.lblRef.setForeColor(ui::colours::Blue);
    lines.lblResponse2.setCaption(kWrong);
    lines.lblResponse.setCaption(correctLine);
    lines.lblRef.setCaption(referenceLine);
    platform.beep();
}

}  // namespace brivan::quiz

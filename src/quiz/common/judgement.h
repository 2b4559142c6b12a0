#pragma once
// How every quiz screen shows a judgement: the verdict line, the correct-answer line and the
// reference line with their colours, and one beep.
#include <string_view>

#include "quiz/common/score.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/platform.h"

namespace brivan::quiz {

namespace prefixes {
inline constexpr std::string_view kCorrectAnswer = "The Correct Answer is ";
inline constexpr std::string_view kCorrectOrder = "The Correct Order is ";
inline constexpr std::string_view kReference = "Reference ";
inline constexpr std::string_view kReferenceColon = "Reference: ";
}  // namespace prefixes

inline constexpr std::string_view kRight = "Correct!";
inline constexpr std::string_view kWrong = "That's Not Correct!";

// The three feedback labels of a quiz screen.
struct FeedbackLines {
    ui::Label lblResponse2;  // verdict
    ui::Label lblResponse;   // correct answer
    ui::Label lblRef;        // reference

    static FeedbackLines of(const ui::Form& form);
    void clear();  // empties the three captions; their colours stay
};

// A right answer: verdict and correct-answer line turn blue, "Correct!", one more correct, beep.
// The correct-answer and reference lines keep their text.
void showRight(FeedbackLines lines, Score& score, ui::Platform& platform);

// A wrong answer: both upper lines red, the reference blue, the verdict, the correct answer and
// the reference written out, beep.
void showWrong(FeedbackLines lines, std::string_view correctLine, std::string_view referenceLine,
               ui::Platform& platform);

}  // namespace brivan::quiz

#include "quiz/limitations/frm_brivan.h"

#include "quiz/common/judgement.h"
#include "quiz/limitations/limitations_bank.h"

namespace brivan::quiz::limitations {

using ui::ScreenId;

frmBrivan::frmBrivan(ui::Services services)
    : QuizScreen(ScreenId::frmBrivan, kLimitationCount,
                 {.Command2 = ScreenId::frmBrivanAnn, .Command3 = ScreenId::frmBrivanMem}, services) {}

void frmBrivan::Form_Load() { resetCounters(); }

void frmBrivan::cmdEnter_Click() {
    ++intQuestion;
    if (const LimitationQuestion* row = limitationRow(intQuestion)) {
        strAnswer = row->answer;
        strQuestion = row->prompt;
        strRef = row->reference;
    }
    form().label("lblQuestion").setCaption(strQuestion);
    form().textBox("txtAnswer").setText("");
    FeedbackLines::of(form()).clear();
    form().textBox("txtAnswer").setFocus();
    if (intQuestion == kLimitationCount + 1) moves().moveTo(ScreenId::frmBrivanEnd);
}

void frmBrivan::cmdEnteranswer_Click() {
    // Until the first question of this visit is on screen there is nothing to judge against.
    if (intQuestion == 0) return;

    const ui::Form& f = form();
    const FeedbackLines lines = FeedbackLines::of(f);
    const std::string typed = f.textBox("txtAnswer").text();
    if (typed == strAnswer) {
        showRight(lines, score, platform());
    } else {
        showWrong(lines, std::string(prefixes::kCorrectAnswer) + strAnswer,
                  std::string(prefixes::kReference) + strRef, platform());
    }
    if (typed.empty()) lines.lblResponse2.setCaption("");
    updateScore();
    f.button("cmdEnter").setFocus();
}

}  // namespace brivan::quiz::limitations

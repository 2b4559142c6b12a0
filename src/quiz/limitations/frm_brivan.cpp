#include "quiz/limitations/frm_brivan.h"

#include "quiz/common/judgement.h"
#include "quiz/limitations/limitations_bank.h"
#include "ui/layouts/layouts.h"

namespace brivan::quiz::limitations {

using ui::ScreenId;

frmBrivan::frmBrivan(ui::Services services) : Screen(ScreenId::frmBrivan, ui::limitationsLayout(), services) {}

void frmBrivan::bindHandlers(ui::Form& form) {
    form.onClick("cmdEnter", [this] { cmdEnter_Click(); });
    form.onClick("cmdEnteranswer", [this] { cmdEnteranswer_Click(); });
    form.onClick("Command2", [this] { Command2_Click(); });
    form.onClick("Command3", [this] { Command3_Click(); });
    form.onClick("cmdTerms", [this] { cmdTerms_Click(); });
    form.onClick("cmdExit", [this] { cmdExit_Click(); });
}

void frmBrivan::Form_Load() {
    intQuestion = 0;
    score.reset();
}

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
    score.update(f.label("lblCorrect"), f.label("lblPercent"));
    f.button("cmdEnter").setFocus();
}

void frmBrivan::Command2_Click() { moves().moveTo(ScreenId::frmBrivanAnn); }
void frmBrivan::Command3_Click() { moves().moveTo(ScreenId::frmBrivanMem); }
void frmBrivan::cmdTerms_Click() { moves().moveTo(ScreenId::frmBrivanIntro); }
void frmBrivan::cmdExit_Click() { moves().endProgram(); }

}  // namespace brivan::quiz::limitations

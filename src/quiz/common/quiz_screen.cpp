#include "quiz/common/quiz_screen.h"

namespace brivan::quiz {

QuizScreen::QuizScreen(ui::ScreenId id, int count, Exits exits, ui::Services services)
    : Screen(id, services), questionCount(count), exits_(exits) {}

void QuizScreen::bindHandlers(ui::Form& form) {
    form.onClick("cmdEnter", [this] { cmdEnter_Click(); });
    form.onClick("cmdEnteranswer", [this] { cmdEnteranswer_Click(); });
    form.onClick("Command2", [this] { Command2_Click(); });
    form.onClick("Command3", [this] { Command3_Click(); });
    form.onClick("cmdTerms", [this] { cmdTerms_Click(); });
    form.onClick("cmdExit", [this] { cmdExit_Click(); });
    bindOwnHandlers(form);
}

void QuizScreen::Command2_Click() { moves().moveTo(exits_.Command2); }
void QuizScreen::Command3_Click() { moves().moveTo(exits_.Command3); }
void QuizScreen::cmdTerms_Click() { moves().moveTo(ui::ScreenId::frmBrivanIntro); }
void QuizScreen::cmdExit_Click() { moves().endProgram(); }

void QuizScreen::resetCounters() {
    intQuestion = 0;
    score.reset();
}

void QuizScreen::updateScore() { score.update(form().label("lblCorrect"), form().label("lblPercent")); }

}  // namespace brivan::quiz

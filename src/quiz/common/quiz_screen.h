#pragma once
// What the three quiz screens share: the question counter and the score, the buttons that leave
// the screen, and the binding of the two answer buttons to the screen's own handlers.
#include "quiz/common/score.h"
#include "ui/screen.h"

namespace brivan::quiz {

class QuizScreen : public ui::Screen {
public:
    // Where the two quiz buttons lead: the other two quizzes.
    struct Exits {
        ui::ScreenId Command2;
        ui::ScreenId Command3;
    };

    QuizScreen(ui::ScreenId id, int questionCount, Exits exits, ui::Services services);

    // The number of questions in the bank; the press after the last hands over to the results.
    const int questionCount;
    // The question shown: 0 before the first of a visit, then 1 to questionCount.
    int intQuestion = 0;
    Score score;

    virtual void cmdEnter_Click() = 0;
    virtual void cmdEnteranswer_Click() = 0;
    void Command2_Click();
    void Command3_Click();
    void cmdTerms_Click();
    void cmdExit_Click();

protected:
    // Binds the six buttons every quiz screen has, then the screen's own controls.
    void bindHandlers(ui::Form& form) final;
    virtual void bindOwnHandlers(ui::Form&) {}

    // Every visit starts at no question with a zero score.
    void resetCounters();
    // After every judgement: one more answered, and both score lines rewritten.
    void updateScore();

private:
    Exits exits_;
};

}  // namespace brivan::quiz

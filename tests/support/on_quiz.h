#pragma once
// The program on one of its quiz screens, reached from the terms screen by the given buttons,
// with what every quiz test does there.
#include <QTest>
#include <initializer_list>
#include <string_view>

#include "quiz/common/quiz_screen.h"
#include "support/program.h"
#include "ui/controls.h"

namespace brivan::testing {

template <class QuizClass>
class OnQuiz : public Program {
public:
    OnQuiz(ui::ScreenId id, std::initializer_list<const char*> way) : id_(id) {
        for (const char* button : way) click(button);
    }

    QuizClass& quiz() { return screen<QuizClass>(id_); }
    ui::Label label(std::string_view name) const { return current()->form().label(name); }

    void next() { click("cmdEnter"); }
    void enter() { click("cmdEnteranswer"); }
    // Presses "Next Question" until question n is on show, or the quiz has handed over.
    void goToQuestion(int n) {
        while (isOn(id_) && quiz().intQuestion < n) next();
    }

    void expectScore(const char* correct, const char* percent) const {
        QCOMPARE(caption("lblCorrect"), QString(correct));
        QCOMPARE(caption("lblPercent"), QString(percent));
    }

private:
    ui::ScreenId id_;
};

}  // namespace brivan::testing

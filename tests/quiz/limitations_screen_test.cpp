// The Limitations screen driven as a pilot drives it: keys and clicks on the real window.
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "quiz/limitations/frm_brivan.h"
#include "support/on_quiz.h"
#include "ui/controls.h"

using brivan::quiz::limitations::frmBrivan;
using brivan::testing::OnQuiz;
using brivan::testing::Program;
using brivan::ui::ScreenId;
namespace colours = brivan::ui::colours;

namespace {

// The program on the Limitations screen, reached by "I Agree".
struct OnLimitations : OnQuiz<frmBrivan> {
    OnLimitations() : OnQuiz(ScreenId::frmBrivan, {"cmdContinue"}) {}
    void answer(const QString& text) {
        control<QLineEdit>("txtAnswer")->setText(text);
        enter();
    }
};

}  // namespace

class LimitationsScreenTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithNoQuestionAndFocusOnNext() {
        OnLimitations p;
        QVERIFY(p.isOn(ScreenId::frmBrivan));
        QCOMPARE(p.window()->windowTitle(), QString("Brivan 2000 Limitations"));
        QCOMPARE(p.caption("lblQuestion"), QString());
        QCOMPARE(p.caption("lblCorrect"), QString());
        QCOMPARE(p.focusName(), QString("cmdEnter"));
        QCOMPARE(p.quiz().intQuestion, 0);
    }

    void keyboardCycleTypeEnterEnter() {
        OnLimitations p;
        p.key(Qt::Key_Return);  // "Next Question" has the focus
        QCOMPARE(p.caption("lblQuestion"), QString("The wing span is __ ft. 5 in."));
        QCOMPARE(p.focusName(), QString("txtAnswer"));

        p.type("63");
        p.key(Qt::Key_Return);  // the default button judges
        QCOMPARE(p.caption("lblResponse2"), QString("Correct!"));
        QCOMPARE(p.label("lblResponse2").foreColor(), colours::Blue);
        QCOMPARE(p.caption("lblCorrect"), QString("1 out of 1 correct!"));
        QCOMPARE(p.caption("lblPercent"), QString("100 percent"));
        QCOMPARE(p.platform.beeps, 1);
        QCOMPARE(p.focusName(), QString("cmdEnter"));

        p.key(Qt::Key_Return);  // the next question, and the focus back in the answer box
        QCOMPARE(p.caption("lblQuestion"), QString("Maximum zero fuel weight is _ _ , _ _ _ Lbs"));
        QCOMPARE(p.caption("lblResponse2"), QString());
        QCOMPARE(p.control<QLineEdit>("txtAnswer")->text(), QString());
        QCOMPARE(p.focusName(), QString("txtAnswer"));
        QCOMPARE(p.caption("lblCorrect"), QString("1 out of 1 correct!"));
    }

    void accessKeysPressTheirButtons() {
        OnLimitations p;
        QTest::keyClick(p.window(), Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(p.quiz().intQuestion, 1);
        p.control<QLineEdit>("txtAnswer")->setText("62");
        QTest::keyClick(p.window(), Qt::Key_E, Qt::AltModifier);
        QTRY_COMPARE(p.caption("lblResponse2"), QString("That's Not Correct!"));
        QCOMPARE(p.caption("lblResponse"), QString("The Correct Answer is 63"));
    }

    void wrongAnswerShowsAnswerAndReference() {
        OnLimitations p;
        p.goToQuestion(31);
        p.answer("12,155");
        QCOMPARE(p.caption("lblResponse2"), QString("That's Not Correct!"));
        QCOMPARE(p.caption("lblResponse"), QString("The Correct Answer is 12155"));
        QCOMPARE(p.caption("lblRef"), QString("Reference Vol 1 Page 0-5"));
        QCOMPARE(p.label("lblResponse2").foreColor(), colours::Red);
        QCOMPARE(p.label("lblResponse").foreColor(), colours::Red);
        QCOMPARE(p.label("lblRef").foreColor(), colours::Blue);
        QCOMPARE(p.caption("lblCorrect"), QString("0 out of 1 correct!"));
        QCOMPARE(p.caption("lblPercent"), QString("0 percent"));

        p.goToQuestion(58);
        p.answer("96.70");
        QCOMPARE(p.caption("lblResponse"), QString("The Correct Answer is 96.7"));
        QCOMPARE(p.caption("lblRef"), QString("Reference LIM-5"));
    }

    void answersAreComparedExactly() {
        OnLimitations p;
        p.goToQuestion(40);  // "Cold start oil temperature is -___ C."
        p.answer("-40");
        QCOMPARE(p.caption("lblResponse2"), QString("That's Not Correct!"));
        p.answer("40");
        QCOMPARE(p.caption("lblResponse2"), QString("Correct!"));
        p.goToQuestion(41);
        for (const char* near : {"9.30", "9,3", " 9.3", "9.3 ", "09.3"}) {
            p.answer(near);
            QCOMPARE(p.caption("lblResponse2"), QString("That's Not Correct!"));
        }
        p.answer("9.3");
        QCOMPARE(p.caption("lblResponse2"), QString("Correct!"));
        QCOMPARE(p.caption("lblCorrect"), QString("2 out of 8 correct!"));
        QCOMPARE(p.caption("lblPercent"), QString("25 percent"));
    }

    void emptyAnswerIsCountedWithoutVerdict() {
        OnLimitations p;
        p.goToQuestion(2);
        p.answer("");
        QCOMPARE(p.caption("lblResponse2"), QString());
        QCOMPARE(p.caption("lblResponse"), QString("The Correct Answer is 28660"));
        QCOMPARE(p.caption("lblRef"), QString("Reference Vol 1 Page 10-5"));
        QCOMPARE(p.caption("lblCorrect"), QString("0 out of 1 correct!"));
        QCOMPARE(p.platform.beeps, 1);
    }

    void wrongThenRightKeepsTheLinesInBlue() {
        OnLimitations p;
        p.next();
        p.answer("64");
        p.answer("63");
        QCOMPARE(p.caption("lblResponse2"), QString("Correct!"));
        QCOMPARE(p.caption("lblResponse"), QString("The Correct Answer is 63"));
        QCOMPARE(p.caption("lblRef"), QString("Reference Vol 1 Page 0-5"));
        QCOMPARE(p.label("lblResponse").foreColor(), colours::Blue);
        QCOMPARE(p.label("lblResponse2").foreColor(), colours::Blue);
        QCOMPARE(p.caption("lblCorrect"), QString("1 out of 2 correct!"));
        QCOMPARE(p.caption("lblPercent"), QString("50 percent"));

        p.answer("x");  // right then wrong overwrites everything
        QCOMPARE(p.caption("lblResponse2"), QString("That's Not Correct!"));
        QCOMPARE(p.label("lblResponse").foreColor(), colours::Red);
    }

    void everyPressCountsAndRoundsToEven() {
        OnLimitations p;
        p.next();
        p.answer("63");
        for (int i = 0; i < 7; ++i) p.answer("0");
        QCOMPARE(p.caption("lblCorrect"), QString("1 out of 8 correct!"));
        QCOMPARE(p.caption("lblPercent"), QString("12 percent"));
        p.answer("63");
        p.answer("63");
        QCOMPARE(p.caption("lblPercent"), QString("30 percent"));
        QCOMPARE(p.platform.beeps, 10);
    }

    void skippedQuestionsAreNotCounted() {
        OnLimitations p;
        p.goToQuestion(10);
        QCOMPARE(p.caption("lblCorrect"), QString());
        QCOMPARE(p.caption("lblPercent"), QString());
        QCOMPARE(p.platform.beeps, 0);
    }

    // Mended: with no question on screen there is nothing to judge.
    void enterAnswerBeforeTheFirstQuestionDoesNothing() {
        OnLimitations p;
        p.answer("");
        p.answer("63");
        QCOMPARE(p.caption("lblResponse2"), QString());
        QCOMPARE(p.caption("lblResponse"), QString());
        QCOMPARE(p.caption("lblCorrect"), QString());
        QCOMPARE(p.platform.beeps, 0);
        QCOMPARE(p.quiz().score.intAnswered, 0);

        // Also on a later visit, when the fields still hold the last question of the earlier one.
        p.goToQuestion(3);
        p.click("cmdTerms");
        p.click("cmdContinue");
        QCOMPARE(p.quiz().strAnswer, std::string("36700"));
        p.answer("36700");
        QCOMPARE(p.caption("lblCorrect"), QString());
        QCOMPARE(p.platform.beeps, 0);
    }

    // Mended: the counters never overflow, whatever the number of answers.
    void fortyThousandRightAnswers() {
        OnLimitations p;
        p.next();
        p.control<QLineEdit>("txtAnswer")->setText("63");
        for (int i = 0; i < 40000; ++i) p.quiz().cmdEnteranswer_Click();
        QCOMPARE(p.caption("lblCorrect"), QString("40000 out of 40000 correct!"));
        QCOMPARE(p.caption("lblPercent"), QString("100 percent"));
        QCOMPARE(p.platform.beeps, 40000);
        QVERIFY(p.isOn(ScreenId::frmBrivan));
    }

    void anyTypedTextIsJudgedAsText() {
        OnLimitations p;
        p.next();
        const QString inputs[] = {
            QString(32767, QChar('9')), QString::fromUtf8("\xC3\xA9\xC3\xA0\xC3\xBC"),
            QString::fromUtf8("\xF0\x9F\x9B\xA9\xEF\xB8\x8F"), QString("6\t3"), QString("\x01\x02\x1b"),
            QString("<b>63</b>"), QString("&63"), QString("   "),
        };
        for (const QString& text : inputs) {
            p.answer(text);
            QCOMPARE(p.caption("lblResponse2"), QString("That's Not Correct!"));
        }
        QCOMPARE(p.caption("lblCorrect"), QString("0 out of 8 correct!"));
        p.type("63");  // the box still works after all that
        QVERIFY(p.isOn(ScreenId::frmBrivan));
    }

    void questionSixtyFiveThenTheResultsScreen() {
        OnLimitations p;
        p.goToQuestion(65);
        QCOMPARE(p.caption("lblQuestion"),
                 QString("The autopilot is certified to ___ ft. minimum altitude on a non-percision approach"));
        p.answer("250");
        QVERIFY(p.isOn(ScreenId::frmBrivan));
        p.next();
        QVERIFY(p.isOn(ScreenId::frmBrivanEnd));
        QCOMPARE(p.caption("lblPercent"), QString("You answered 100 percent correct!"));
        QVERIFY(!p.quiz().isLoaded());
        QCOMPARE(Program::visibleWindows(), 1);
    }

    void handOverWithThirtyFourOfForty() {
        OnLimitations p;
        p.next();
        for (int i = 0; i < 34; ++i) p.answer("63");
        for (int i = 0; i < 6; ++i) p.answer("1");
        QCOMPARE(p.caption("lblPercent"), QString("85 percent"));
        p.goToQuestion(66);
        QVERIFY(p.isOn(ScreenId::frmBrivanEnd));
        QCOMPARE(p.caption("lblPercent"), QString("You answered 85 percent correct!"));
    }

    void handOverWithoutAnswers() {
        OnLimitations p;
        p.goToQuestion(66);
        QVERIFY(p.isOn(ScreenId::frmBrivanEnd));
        QCOMPARE(p.caption("lblPercent"), QString("You answered  correct!"));
    }

    void everyVisitStartsAfresh() {
        OnLimitations p;
        p.goToQuestion(5);
        p.answer("1");
        p.click("cmdTerms");
        QVERIFY(p.isOn(ScreenId::frmBrivanIntro));
        p.click("cmdContinue");
        QVERIFY(p.isOn(ScreenId::frmBrivan));
        QCOMPARE(p.quiz().intQuestion, 0);
        QCOMPARE(p.quiz().score.intAnswered, 0);
        QCOMPARE(p.caption("lblQuestion"), QString());
        QCOMPARE(p.caption("lblCorrect"), QString());
        QCOMPARE(p.caption("lblResponse"), QString());
        QCOMPARE(p.label("lblResponse").foreColor(), colours::DarkGrey);
        p.next();
        QCOMPARE(p.caption("lblQuestion"), QString("The wing span is __ ft. 5 in."));
    }

    void escapeAndExitEndTheProgram() {
        {
            OnLimitations p;
            p.control<QLineEdit>("txtAnswer")->setFocus();
            p.key(Qt::Key_Escape);
            QCOMPARE(p.platform.quits, 1);
            QCOMPARE(p.current(), nullptr);
        }
        {
            OnLimitations p;
            QTest::keyClick(p.window(), Qt::Key_X, Qt::AltModifier);
            QTRY_COMPARE(p.platform.quits, 1);
            QCOMPARE(Program::visibleWindows(), 0);
        }
    }
};

QTEST_MAIN(LimitationsScreenTest)
#include "limitations_screen_test.moc"

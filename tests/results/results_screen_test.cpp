// The results screens: the score line read from the quiz, and the moves they offer.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "quiz/limitations/frm_brivan.h"
#include "support/program.h"

using brivan::quiz::limitations::frmBrivan;
using brivan::testing::Program;
using brivan::ui::ScreenId;

namespace {

// The program on frmBrivanEnd after a Limitations quiz with one right and two wrong answers.
struct AfterLimitations : Program {
    AfterLimitations() {
        click("cmdContinue");
        click("cmdEnter");
        for (const char* answer : {"63", "1", "2"}) {
            control<QLineEdit>("txtAnswer")->setText(answer);
            click("cmdEnteranswer");
        }
        while (isOn(ScreenId::frmBrivan)) click("cmdEnter");
    }
};

}  // namespace

class ResultsScreenTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheQuizPercentageLine() {
        AfterLimitations p;
        QVERIFY(p.isOn(ScreenId::frmBrivanEnd));
        QCOMPARE(p.window()->windowTitle(), QString("Brivan 2000 Quit or Continue?"));
        QCOMPARE(p.caption("lblPercent"), QString("You answered 33 percent correct!"));
        QCOMPARE(p.caption("Label3"), QString("You have completed all of the questions."));
        QCOMPARE(p.caption("Label4"), QString("What would you like to do?"));
        QCOMPARE(p.caption("lblQuestion"), QString());
        QCOMPARE(Program::visibleWindows(), 1);
    }

    void buttonsAsDesigned() {
        AfterLimitations p;
        QCOMPARE(p.control<QPushButton>("Command4")->text(), QString("&Start Over!"));
        QCOMPARE(p.control<QPushButton>("Command2")->text(), QString("&Master Warning"));
        QCOMPARE(p.control<QPushButton>("Command5")->text(), QString("Memory &Items"));
        QCOMPARE(p.control<QPushButton>("cmdExit")->text(), QString("E&xit"));
        QCOMPARE(p.focusName(), QString("Command4"));
    }

    void enterStartsTheSameQuizOver() {
        AfterLimitations p;
        p.key(Qt::Key_Return);
        QVERIFY(p.isOn(ScreenId::frmBrivan));
        auto& quiz = p.screen<frmBrivan>(ScreenId::frmBrivan);
        QCOMPARE(quiz.intQuestion, 0);
        QCOMPARE(quiz.score.intAnswered, 0);
        QCOMPARE(p.caption("lblPercent"), QString());
        QCOMPARE(p.focusName(), QString("cmdEnter"));
    }

    void accessKeyStartsOver() {
        AfterLimitations p;
        QTest::keyClick(p.window(), Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY(p.isOn(ScreenId::frmBrivan));
    }

    void escapeEndsTheProgram() {
        AfterLimitations p;
        p.key(Qt::Key_Escape);
        QCOMPARE(p.platform.quits, 1);
        QCOMPARE(Program::visibleWindows(), 0);
    }

    void termsThenIAgreeOpensLimitations() {
        AfterLimitations p;
        p.click("cmdTerms");
        QVERIFY(p.isOn(ScreenId::frmBrivanIntro));
        p.click("cmdContinue");
        QVERIFY(p.isOn(ScreenId::frmBrivan));
        QCOMPARE(p.caption("lblQuestion"), QString());
    }

    void theScoreLineIsNotCarriedToTheNextResults() {
        AfterLimitations p;
        p.click("Command4");
        while (p.isOn(ScreenId::frmBrivan)) p.click("cmdEnter");
        QCOMPARE(p.caption("lblPercent"), QString("You answered  correct!"));
    }
};

QTEST_MAIN(ResultsScreenTest)
#include "results_screen_test.moc"

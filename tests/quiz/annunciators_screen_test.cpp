// The Annunciators screen driven as a pilot drives it: clicks on the option buttons, letters typed
// into the answer box, Enter, Escape and the access keys, on the real window.
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "quiz/annunciators/ann_bank.h"
#include "quiz/annunciators/frm_brivan_ann.h"
#include "support/on_quiz.h"

using brivan::quiz::annunciators::AnnBank;
using brivan::quiz::annunciators::frmBrivanAnn;
using brivan::testing::OnQuiz;
using brivan::testing::Program;
using brivan::ui::ScreenId;

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kYellow(255, 255, 0);

const QString kPrompt("What will cause the illumination of the displayed annunciator?");

// The program on the Annunciators screen, reached from the Limitations screen by "Master Warning".
struct OnAnnunciators : OnQuiz<frmBrivanAnn> {
    OnAnnunciators() : OnQuiz(ScreenId::frmBrivanAnn, {"cmdContinue", "Command2"}) {}

    // What the pilot sees of a label: its caption's colour and its background.
    QColor fore(const char* label) const { return control(label)->palette().color(QPalette::WindowText); }
    QColor back(const char* label) const { return control(label)->palette().color(QPalette::Window); }
    bool shown(const char* name) const { return control(name)->isVisible(); }

    // A click on the little round indicator.
    void choose(const char* option) {
        auto* radio = control<QRadioButton>(option);
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(7, radio->height() / 2));
        settle();
    }

    // A click at a point of the window's client area, taken by whatever the window has there.
    void clickAt(QPoint at) {
        QTest::mouseClick(window()->windowHandle(), Qt::LeftButton, {}, at);
        settle();
    }

    // Types into the answer box as the pilot does after "Next Question" and presses Enter.
    void typeAndEnter(const QString& text) {
        auto* box = control<QLineEdit>("txtAnswer");
        if (QApplication::focusWidget() != box) box->setFocus();
        box->clear();
        for (QChar c : text) {
            if (c.unicode() < 0x80) {
                type(QString(c));
            } else {  // a key of a national layout: Qt Test's typing knows ASCII only
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
                settle();
            }
        }
        key(Qt::Key_Return);
    }

    void expectNothingJudged() const {
        QCOMPARE(caption("lblResponse2"), QString());
        QCOMPARE(caption("lblResponse"), QString());
        QCOMPARE(caption("lblRef"), QString());
        QCOMPARE(caption("lblCorrect"), QString());
        QCOMPARE(caption("lblPercent"), QString());
    }

    void expectWrongOnQuestionOne() const {
        QCOMPARE(caption("lblResponse2"), QString("That's Not Correct!"));
        QCOMPARE(caption("lblResponse"), QString("The Correct Answer is A"));
        QCOMPARE(caption("lblRef"), QString("Reference: Flight Safety Manual 4-3"));
        QCOMPARE(fore("lblResponse2"), kRed);
        QCOMPARE(fore("lblResponse"), kRed);
        QCOMPARE(fore("lblRef"), kBlue);
    }

    // "Alt" and the access key, to whatever has the focus; the button answers some 100 ms later.
    void alt(Qt::Key letter) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : window(), letter, Qt::AltModifier);
    }

    // The Annunciators screen, on its start, as every opening shows it.
    void expectAtItsStart() {
        QVERIFY(isOn(ScreenId::frmBrivanAnn));
        QCOMPARE(window()->windowTitle(), QString("Brivan 2000 Annunciators"));
        QCOMPARE(quiz().intQuestion, 0);
        QCOMPARE(quiz().score.intAnswered, 0);
        QCOMPARE(quiz().score.intCorrect, 0);
        for (const char* hidden : {"OptionA", "OptionB", "OptionC", "OptionD", "lblAnn", "lblAnn2"})
            QVERIFY2(!shown(hidden), hidden);
        QCOMPARE(caption("lblQuestion"), kPrompt);
        QCOMPARE(control<QLineEdit>("txtAnswer")->text(), QString());
        expectNothingJudged();
        QCOMPARE(focusName(), QString("cmdEnter"));
        QCOMPARE(Program::visibleWindows(), 1);
    }
};

}  // namespace

class AnnunciatorsScreenTest : public QObject {
    Q_OBJECT

private slots:
    // ---- Opening and the lights -------------------------------------------------------------

    void opensWithThePromptAndNoLightNorOptions() {
        OnAnnunciators p;
        p.expectAtItsStart();
    }

    void firstQuestionIsFireOneOnRed() {
        OnAnnunciators p;
        p.key(Qt::Key_Return);  // "Next Question" has the focus when the screen opens
        QCOMPARE(p.quiz().intQuestion, 1);
        for (const char* option : {"OptionA", "OptionB", "OptionC", "OptionD"}) {
            QVERIFY2(p.shown(option), option);
            QVERIFY2(!p.control<QRadioButton>(option)->isChecked(), option);
        }
        QVERIFY(p.shown("lblAnn"));
        QVERIFY(p.shown("lblAnn2"));
        QCOMPARE(p.caption("lblAnn"), QString("FIRE 1"));
        QCOMPARE(p.back("lblAnn"), kRed);
        QCOMPARE(p.caption("lblAnn2"), QString());  // a one-line legend: the lower half is lit but blank
        QCOMPARE(p.back("lblAnn2"), kRed);
        QVERIFY(p.control<QLabel>("lblAnn2")->autoFillBackground());
        QCOMPARE(p.caption("lblA"), QString("A. Fire condition exists in #1 Engine (with fire audio warning)"));
        QCOMPARE(p.caption("lblB"), QString("B. Fire condition exists in APU"));
        QCOMPARE(p.caption("lblC"), QString("C. Fire condition exists baggage"));
        QCOMPARE(p.caption("lblD"), QString("D. Smoke detected in baggage compartment"));
        QCOMPARE(p.caption("lblQuestion"), kPrompt);
        QCOMPARE(p.focusName(), QString("txtAnswer"));
        QCOMPARE(p.platform.beeps, 0);
    }

    void warningsToElevenThenCautionsToTheEnd() {
        OnAnnunciators p;
        for (int k = 1; k <= 46; ++k) {
            p.next();
            const QColor light = k <= 11 ? kRed : kYellow;
            QVERIFY2(p.back("lblAnn") == light && p.back("lblAnn2") == light, qPrintable(QString::number(k)));
            if (k == 11) {  // both words of the light on show: the second on its lower line
                QCOMPARE(p.caption("lblAnn"), QString("LH WHEEL"));
                QCOMPARE(p.caption("lblAnn2"), QString("OVHT"));
            }
            if (k == 12) {
                QCOMPARE(p.caption("lblAnn"), QString("BAT"));
                QCOMPARE(p.caption("lblA"),
                         QString("A. Battery contactor open and batttery is connected to the ESS bus"));
            }
            if (k == 19) {
                QCOMPARE(p.caption("lblAnn"), QString("PUMP 1"));
                QCOMPARE(p.caption("lblAnn2"), QString("HYDR #1"));
            }
        }
        QCOMPARE(p.caption("lblAnn"), QString("STBY"));
        QCOMPARE(p.caption("lblAnn2"), QString("PUMP"));
        QCOMPARE(p.caption("lblD"), QString("D. Both A and B"));
        QCOMPARE(p.quiz().strAnswer, std::string("D"));
    }

    // ---- Judging -----------------------------------------------------------------------------

    void rightByOptionClick() {
        OnAnnunciators p;
        p.next();
        p.choose("OptionA");
        QVERIFY(p.control<QRadioButton>("OptionA")->isChecked());
        QCOMPARE(p.caption("lblResponse2"), QString("Correct!"));
        QCOMPARE(p.fore("lblResponse2"), kBlue);
        QCOMPARE(p.caption("lblResponse"), QString());
        QCOMPARE(p.caption("lblRef"), QString());
        p.expectScore("1 out of 1 correct!", "100 percent");
        QCOMPARE(p.platform.beeps, 1);
        QCOMPARE(p.quiz().strChoice, std::string("A"));
    }

    void rightByTypedLetter_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("lower case") << "a";
        QTest::newRow("capital") << "A";
    }
    void rightByTypedLetter() {
        QFETCH(QString, typed);
        OnAnnunciators p;
        p.next();
        p.typeAndEnter(typed);  // Enter in the answer box presses "Enter Answer"
        QCOMPARE(p.caption("lblResponse2"), QString("Correct!"));
        QCOMPARE(p.fore("lblResponse2"), kBlue);
        QCOMPARE(p.fore("lblResponse"), kBlue);
        p.expectScore("1 out of 1 correct!", "100 percent");
        QCOMPARE(p.platform.beeps, 1);
        QCOMPARE(p.focusName(), QString("cmdEnter"));  // so the next Enter shows the next light
    }

    void wrongByOptionClick() {
        OnAnnunciators p;
        p.next();
        p.choose("OptionC");
        p.expectWrongOnQuestionOne();
        p.expectScore("0 out of 1 correct!", "0 percent");
        QCOMPARE(p.platform.beeps, 1);
    }

    void typedTextOtherThanTheBareLetterIsWrong_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("leading blank") << " A";
        QTest::newRow("trailing blank") << "A ";
        QTest::newRow("full stop") << "A.";
        QTest::newRow("two letters") << "AB";
        QTest::newRow("another letter") << "b";
        QTest::newRow("accented") << QString::fromUtf8("\xC3\xA0");  // only A to D can ever be right
    }
    void typedTextOtherThanTheBareLetterIsWrong() {
        QFETCH(QString, typed);
        OnAnnunciators p;
        p.next();
        p.typeAndEnter(typed);
        QCOMPARE(p.control<QLineEdit>("txtAnswer")->text(), typed);  // the box keeps what was typed
        p.expectWrongOnQuestionOne();
        p.expectScore("0 out of 1 correct!", "0 percent");
        QCOMPARE(p.platform.beeps, 1);
        QCOMPARE(p.focusName(), QString("cmdEnter"));
    }

    void emptyAnswerShowsLetterAndReferenceWithoutVerdict() {
        OnAnnunciators p;
        p.next();
        p.typeAndEnter("");
        QCOMPARE(p.caption("lblResponse2"), QString());
        QCOMPARE(p.caption("lblResponse"), QString("The Correct Answer is A"));
        QCOMPARE(p.caption("lblRef"), QString("Reference: Flight Safety Manual 4-3"));
        QCOMPARE(p.fore("lblResponse"), kRed);
        p.expectScore("0 out of 1 correct!", "0 percent");
        QCOMPARE(p.platform.beeps, 1);
    }

    void wrongThenRightKeepsTheLinesAndTurnsThemBlue() {
        OnAnnunciators p;
        p.next();
        p.choose("OptionC");
        p.choose("OptionA");
        QCOMPARE(p.caption("lblResponse2"), QString("Correct!"));
        QCOMPARE(p.caption("lblResponse"), QString("The Correct Answer is A"));
        QCOMPARE(p.caption("lblRef"), QString("Reference: Flight Safety Manual 4-3"));
        QCOMPARE(p.fore("lblResponse2"), kBlue);
        QCOMPARE(p.fore("lblResponse"), kBlue);
        QCOMPARE(p.fore("lblRef"), kBlue);
        p.expectScore("1 out of 2 correct!", "50 percent");
        QCOMPARE(p.platform.beeps, 2);
        QVERIFY(p.control<QRadioButton>("OptionA")->isChecked());
        QVERIFY(!p.control<QRadioButton>("OptionC")->isChecked());
    }

    void bothWaysOfAnsweringCountTogether() {
        OnAnnunciators p;
        p.goToQuestion(2);  // "OIL 1", answer B
        p.choose("OptionB");
        p.typeAndEnter("c");
        p.choose("OptionD");
        p.typeAndEnter("b");
        p.expectScore("2 out of 4 correct!", "50 percent");
        for (int i = 0; i < 4; ++i) p.choose("OptionA");
        p.expectScore("2 out of 8 correct!", "25 percent");
        for (int i = 0; i < 8; ++i) p.choose("OptionB");
        QCOMPARE(p.caption("lblCorrect"), QString("10 out of 16 correct!"));
        QCOMPARE(p.caption("lblPercent"), QString("62 percent"));  // 62.5 goes to the even neighbour
        QCOMPARE(p.platform.beeps, 16);
    }

    // The handler leaves the focus alone; the mouse, as on any control, puts it on the option
    // that was clicked. Only "Enter Answer" sends it on to "Next Question".
    void optionClickDoesNotSendTheFocusOn() {
        OnAnnunciators p;
        p.next();
        QCOMPARE(p.focusName(), QString("txtAnswer"));
        p.choose("OptionB");
        QCOMPARE(p.caption("lblResponse2"), QString("That's Not Correct!"));
        QCOMPARE(p.focusName(), QString("OptionB"));
    }

    // An option takes a click anywhere in its box (17 x 33 pixels at 136, 152 for A, 48 pixels
    // apart), and on its text beside it (lblA at 160, 160, 529 x 41): the option is chosen, takes
    // the focus and is judged.
    void anyPointOfAnOptionsBoxOrTextChoosesIt_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("option");
        QTest::newRow("A: top left of its box") << QPoint(136, 152) << "OptionA";
        QTest::newRow("A: below its circle") << QPoint(144, 183) << "OptionA";
        QTest::newRow("C: right edge of its box") << QPoint(152, 264) << "OptionC";
        QTest::newRow("B: the start of its text") << QPoint(161, 209) << "OptionB";
        QTest::newRow("D: the far end of its text") << QPoint(687, 343) << "OptionD";
    }
    void anyPointOfAnOptionsBoxOrTextChoosesIt() {
        QFETCH(QPoint, at);
        QFETCH(QString, option);
        OnAnnunciators p;
        p.next();  // the first light: A is right
        p.clickAt(at);
        QVERIFY(p.control<QRadioButton>(option.toLatin1())->isChecked());
        QCOMPARE(p.focusName(), option);
        QCOMPARE(p.quiz().strChoice, option.right(1).toStdString());
        QCOMPARE(p.caption("lblResponse2"), QString(option == "OptionA" ? "Correct!" : "That's Not Correct!"));
        QCOMPARE(p.platform.beeps, 1);
    }

    // A click on the text of the option chosen already judges again, as on its circle.
    void clickOnTheChosenOptionsTextJudgesAgain() {
        OnAnnunciators p;
        p.next();
        p.clickAt({300, 180});
        p.clickAt({300, 180});
        p.expectScore("2 out of 2 correct!", "100 percent");
        QCOMPARE(p.platform.beeps, 2);
    }

    // Nothing else takes the click: the gap between two texts, the text of a hidden option (the
    // options are hidden until the first question, their texts are not), a label that is no
    // option's text.
    void clicksBesideTheOptionsChooseNothing_data() {
        QTest::addColumn<bool>("question");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("between the texts of A and B") << true << QPoint(300, 204);
        QTest::newRow("between A's box and its text") << true << QPoint(156, 170);
        QTest::newRow("the question") << true << QPoint(380, 100);
        QTest::newRow("the text of A before the first question") << false << QPoint(300, 180);
    }
    void clicksBesideTheOptionsChooseNothing() {
        QFETCH(bool, question);
        QFETCH(QPoint, at);
        OnAnnunciators p;
        if (question) p.next();
        const QString focus = p.focusName();
        p.clickAt(at);
        p.expectNothingJudged();
        QCOMPARE(p.platform.beeps, 0);
        QCOMPARE(p.focusName(), focus);
        for (const char* option : {"OptionA", "OptionB", "OptionC", "OptionD"})
            QVERIFY(!p.control<QRadioButton>(option)->isChecked());
    }

    // Qt raises "clicked" again when the pilot clicks the option that is already selected, so
    // every such click is one more judgement, with its beep.
    void clickOnTheSelectedOptionJudgesAgain() {
        OnAnnunciators p;
        p.next();
        p.choose("OptionA");
        p.choose("OptionA");
        QVERIFY(p.control<QRadioButton>("OptionA")->isChecked());
        p.expectScore("2 out of 2 correct!", "100 percent");
        QCOMPARE(p.platform.beeps, 2);
    }

    void nextQuestionClearsTheChoiceWithoutJudging() {
        OnAnnunciators p;
        p.next();
        p.choose("OptionB");
        p.next();
        for (const char* option : {"OptionA", "OptionB", "OptionC", "OptionD"})
            QVERIFY2(!p.control<QRadioButton>(option)->isChecked(), option);
        QCOMPARE(p.platform.beeps, 1);
        QCOMPARE(p.quiz().score.intAnswered, 1);
        QCOMPARE(p.quiz().score.intCorrect, 0);
        p.expectScore("0 out of 1 correct!", "0 percent");
        QCOMPARE(p.caption("lblResponse2"), QString());
        QCOMPARE(p.caption("lblResponse"), QString());
        QCOMPARE(p.caption("lblRef"), QString());
        QCOMPARE(p.caption("lblAnn"), QString("OIL 1"));

        // The next question's right option is judged as usual from a clean group.
        p.choose("OptionB");
        p.expectScore("1 out of 2 correct!", "50 percent");
    }

    // Mended: with no light on screen there is nothing to judge the answer box against.
    void enterAnswerBeforeTheFirstQuestionDoesNothing() {
        OnAnnunciators p;
        p.typeAndEnter("");
        p.typeAndEnter("A");
        p.click("cmdEnteranswer");
        p.expectNothingJudged();
        QCOMPARE(p.platform.beeps, 0);
        QCOMPARE(p.quiz().score.intAnswered, 0);
        QVERIFY(p.isOn(ScreenId::frmBrivanAnn));
    }

    // Also on a later opening, while the fields still hold question 46 of the earlier one.
    void enterAnswerBeforeTheFirstQuestionOfALaterVisitDoesNothing() {
        OnAnnunciators p;
        p.goToQuestion(47);
        QVERIFY(p.isOn(ScreenId::frmAnnEnd));
        p.click("Command4");  // "Start Over!"
        QCOMPARE(p.quiz().strAnswer, std::string("D"));
        p.typeAndEnter("D");
        p.typeAndEnter("");
        p.expectNothingJudged();
        QCOMPARE(p.platform.beeps, 0);
        QCOMPARE(p.quiz().score.intAnswered, 0);
        QVERIFY(!p.shown("lblAnn"));
    }

    // Mended: the counters never overflow, whatever the number of answers in one visit.
    void fortyThousandJudgementsInOneVisit() {
        OnAnnunciators p;
        p.next();
        p.control<QLineEdit>("txtAnswer")->setText("a");
        for (int i = 0; i < 20000; ++i) p.quiz().OptionA_Click();
        for (int i = 0; i < 20000; ++i) p.quiz().cmdEnteranswer_Click();
        p.expectScore("40000 out of 40000 correct!", "100 percent");
        QCOMPARE(p.platform.beeps, 40000);
        QVERIFY(p.isOn(ScreenId::frmBrivanAnn));
        p.goToQuestion(47);
        QCOMPARE(p.caption("lblPercent"), QString("You answered 100 percent correct!"));
    }

    // ---- The end of the quiz -----------------------------------------------------------------

    void rightOptionOnEveryLightGivesFullMarks() {
        OnAnnunciators p;
        const char* options[] = {"OptionA", "OptionB", "OptionC", "OptionD"};
        int k = 0;
        for (const auto& row : AnnBank()) {
            ++k;
            p.next();
            QCOMPARE(p.quiz().intQuestion, k);
            QCOMPARE(p.caption("lblAnn").toStdString(), std::string(row.legend1));
            QCOMPARE(p.caption("lblAnn2").toStdString(), std::string(row.legend2));
            QCOMPARE(p.caption("lblD").toStdString(), std::string(row.options[3]));
            p.choose(options[row.answer[0] - 'A']);
            QVERIFY2(p.caption("lblResponse2") == "Correct!", qPrintable(QString::number(k)));
        }
        QCOMPARE(k, 46);
        p.expectScore("46 out of 46 correct!", "100 percent");
        QCOMPARE(p.platform.beeps, 46);
        QVERIFY(p.isOn(ScreenId::frmBrivanAnn));
    }

    void fortySeventhPressOpensTheResultsScreen() {
        OnAnnunciators p;
        p.next();
        p.choose("OptionA");
        p.choose("OptionB");
        p.choose("OptionA");
        p.goToQuestion(46);
        QVERIFY(p.isOn(ScreenId::frmBrivanAnn));
        p.key(Qt::Key_Return);  // the focus is in the answer box: Enter judges the empty box
        p.expectScore("2 out of 4 correct!", "50 percent");
        p.key(Qt::Key_Return);  // now on "Next Question"
        QVERIFY(p.isOn(ScreenId::frmAnnEnd));
        QCOMPARE(p.window()->windowTitle(), QString("Brivan 2000 Quit or Continue?"));
        QCOMPARE(p.caption("lblPercent"), QString("You answered 50 percent correct!"));
        QVERIFY(!p.quiz().isLoaded());
        QCOMPARE(Program::visibleWindows(), 1);
    }

    void resultsWithoutAnyAnswer() {
        OnAnnunciators p;
        p.goToQuestion(47);
        QVERIFY(p.isOn(ScreenId::frmAnnEnd));
        QCOMPARE(p.caption("lblPercent"), QString("You answered  correct!"));
    }

    // ---- Keys and moves ----------------------------------------------------------------------

    void accessKeysForNextAndEnter() {
        OnAnnunciators p;
        p.alt(Qt::Key_N);
        QTRY_COMPARE(p.quiz().intQuestion, 1);
        QCOMPARE(p.focusName(), QString("txtAnswer"));
        p.type("c");
        p.alt(Qt::Key_E);
        QTRY_COMPARE(p.caption("lblResponse2"), QString("That's Not Correct!"));
        QCOMPARE(p.control<QLineEdit>("txtAnswer")->text(), QString("c"));  // Alt+E typed nothing
        p.expectScore("0 out of 1 correct!", "0 percent");
    }

    void accessKeysLeaveForTheOtherQuizzes() {
        {
            OnAnnunciators p;
            p.next();
            p.alt(Qt::Key_L);
            QTRY_VERIFY(p.isOn(ScreenId::frmBrivan));
            QCOMPARE(p.window()->windowTitle(), QString("Brivan 2000 Limitations"));
            QCOMPARE(Program::visibleWindows(), 1);
        }
        {
            OnAnnunciators p;
            p.next();
            p.choose("OptionD");  // from an option button as well
            p.alt(Qt::Key_I);
            QTRY_VERIFY(p.isOn(ScreenId::frmBrivanMem));
            QCOMPARE(p.window()->windowTitle(), QString("Brivan 2000 Memory Items"));
            QCOMPARE(Program::visibleWindows(), 1);
        }
    }

    void termsAndConditionsOpensTheTermsScreen() {
        OnAnnunciators p;
        p.next();
        p.click("cmdTerms");
        QVERIFY(p.isOn(ScreenId::frmBrivanIntro));
        QVERIFY(!p.quiz().isLoaded());
        p.click("cmdContinue");  // "I Agree" always leads to Limitations
        QVERIFY(p.isOn(ScreenId::frmBrivan));
    }

    void escapeEndsTheProgram() {
        for (const char* focus : {"cmdEnter", "txtAnswer", "OptionC"}) {
            OnAnnunciators p;
            p.next();
            p.control(focus)->setFocus();
            p.key(Qt::Key_Escape);
            QVERIFY2(p.platform.quits == 1, focus);
            QCOMPARE(p.current(), nullptr);
            QCOMPARE(Program::visibleWindows(), 0);
        }
    }

    void resultsScreenButtons() {
        {
            OnAnnunciators p;
            p.goToQuestion(5);
            p.choose("OptionC");
            p.goToQuestion(47);
            QCOMPARE(p.control<QPushButton>("Command4")->text(), QString("&Start Over!"));
            p.key(Qt::Key_Return);  // "Start Over!" has the focus
            p.expectAtItsStart();
            p.next();
            QCOMPARE(p.caption("lblAnn"), QString("FIRE 1"));
        }
        {
            OnAnnunciators p;
            p.goToQuestion(47);
            QCOMPARE(p.control<QPushButton>("Command2")->text(), QString("Memory &Items"));
            p.alt(Qt::Key_I);
            QTRY_VERIFY(p.isOn(ScreenId::frmBrivanMem));
        }
        {
            OnAnnunciators p;
            p.goToQuestion(47);
            QCOMPARE(p.control<QPushButton>("Command5")->text(), QString("&Limitaions"));
            p.alt(Qt::Key_L);
            QTRY_VERIFY(p.isOn(ScreenId::frmBrivan));
            QCOMPARE(p.caption("lblQuestion"), QString());
        }
    }

    void masterWarningOpensThisScreenFromEveryOtherQuizScreen() {
        OnAnnunciators p;
        p.goToQuestion(3);
        p.choose("OptionB");

        const auto backHere = [&p] {
            QCOMPARE(p.control<QPushButton>("Command2")->text(), QString("&Master Warning"));
            p.alt(Qt::Key_M);
            QTRY_VERIFY(p.isOn(ScreenId::frmBrivanAnn));
            Program::settle();
            p.expectAtItsStart();
        };

        p.click("Command2");  // to Limitations
        QVERIFY(p.isOn(ScreenId::frmBrivan));
        backHere();
        if (QTest::currentTestFailed()) return;

        p.click("Command3");  // to Memory Items
        QVERIFY(p.isOn(ScreenId::frmBrivanMem));
        backHere();
        if (QTest::currentTestFailed()) return;

        p.click("Command2");  // through the Limitations quiz to its results screen
        while (p.isOn(ScreenId::frmBrivan)) p.click("cmdEnter");
        QVERIFY(p.isOn(ScreenId::frmBrivanEnd));
        backHere();
        if (QTest::currentTestFailed()) return;

        p.click("Command3");  // through the Memory Items quiz to its results screen
        while (p.isOn(ScreenId::frmBrivanMem)) p.click("cmdEnter");
        QVERIFY(p.isOn(ScreenId::frmMemEnd));
        backHere();
    }

    // ---- How the screen is laid out ------------------------------------------------------------

    void scoreLabelsAndBannerAreClippedAsDesigned() {
        OnAnnunciators p;
        p.next();
        p.choose("OptionA");
        QCOMPARE(p.window()->size(), QSize(757, 573));
        QCOMPARE(p.control("lblCorrect")->geometry(), QRect(-8, 88, 169, 25));
        QCOMPARE(p.control("lblPercent")->geometry(), QRect(-8, 120, 169, 25));
        // Their first 8 pixels lie left of the window; the centred score is shifted accordingly.
        QCOMPARE(p.control("lblCorrect")->visibleRegion().boundingRect(), QRect(8, 0, 161, 25));
        const QRect banner = p.control("Label1")->geometry();
        QCOMPARE(banner.x(), 0);
        QCOMPARE(banner.width(), 840);
        QVERIFY(banner.width() > p.window()->width());
    }

    void lightSitsUnderTheQuestionAndOptionsLeftOfTheirTexts() {
        OnAnnunciators p;
        p.next();
        const QRect question = p.control("lblQuestion")->geometry();
        const QRect upper = p.control("lblAnn")->geometry();
        const QRect lower = p.control("lblAnn2")->geometry();
        QCOMPARE(upper, QRect(352, 120, 83, 16));
        QCOMPARE(lower, QRect(352, 136, 83, 16));
        QVERIFY(upper.intersects(question));  // the light covers the foot of the question label
        const QWidget* window = p.window();
        QCOMPARE(window->childAt(upper.center())->objectName(), QString("lblAnn"));

        const char* options[] = {"OptionA", "OptionB", "OptionC", "OptionD"};
        const char* texts[] = {"lblA", "lblB", "lblC", "lblD"};
        for (int i = 0; i < 4; ++i) {
            const QRect option = p.control(options[i])->geometry();
            const QRect text = p.control(texts[i])->geometry();
            QCOMPARE(option, QRect(136, 152 + 48 * i, 17, 33));
            QCOMPARE(text, QRect(160, 160 + 48 * i, 529, 41));
            QVERIFY(option.right() < text.left());
        }
    }

    // Every choice of every light is read whole: set in its label's font and wrapped at its width,
    // nothing is cut off at the bottom or the side. The label is tall enough for two lines only.
    void everyChoiceFitsItsLabel() {
        OnAnnunciators p;
        for (int k = 1; k <= 46; ++k) {
            p.next();
            for (const char* name : {"lblA", "lblB", "lblC", "lblD"}) {
                const auto* label = p.control<QLabel>(name);
                const QFontMetrics metrics(label->font(), label);
                const QRect room = label->contentsRect();
                const int flags = int(label->alignment()) | Qt::TextWordWrap;
                const QRect text = metrics.boundingRect(room, flags, label->text());
                const QByteArray where = QString("row %1: %2").arg(k).arg(label->text()).toUtf8();
                QVERIFY2(text.height() <= room.height(), where.constData());
                QVERIFY2(text.width() <= room.width(), where.constData());
            }
        }
    }
};

QTEST_MAIN(AnnunciatorsScreenTest)
#include "annunciators_screen_test.moc"

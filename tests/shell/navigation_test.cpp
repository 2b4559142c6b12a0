// Moves between screens, the terms screen, and the end of the program.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "support/program.h"

using brivan::testing::Program;
using brivan::ui::ScreenId;

class NavigationTest : public QObject {
    Q_OBJECT

private slots:
    void startsOnTheTermsScreenWithFocusOnIAgree() {
        Program p;
        QVERIFY(p.isOn(ScreenId::frmBrivanIntro));
        QCOMPARE(p.window()->windowTitle(), QString("Brivan Review Program"));
        QCOMPARE(p.focusName(), QString("cmdContinue"));
        QCOMPARE(Program::visibleWindows(), 1);
    }

    void enterRightAfterStartPressesIAgree() {
        Program p;
        p.key(Qt::Key_Return);
        QVERIFY(p.isOn(ScreenId::frmBrivan));
        QCOMPARE(Program::visibleWindows(), 1);
    }

    void tabGoesToTheNoticeThenToExitProgram() {
        Program p;
        p.key(Qt::Key_Tab);
        QCOMPARE(p.focusName(), QString("Text1"));
        p.key(Qt::Key_Tab);
        QCOMPARE(p.focusName(), QString("Command1"));
    }

    void escapeDoesNothingOnTheTermsScreen() {
        Program p;
        p.key(Qt::Key_Escape);
        QVERIFY(p.isOn(ScreenId::frmBrivanIntro));
        QVERIFY(p.window()->isVisible());
        QCOMPARE(p.platform.quits, 0);
    }

    void enterInTheNoticeBoxPressesNothing() {
        Program p;
        p.control<QLineEdit>("Text1")->setFocus();
        p.type("edited");
        p.key(Qt::Key_Return);
        QVERIFY(p.isOn(ScreenId::frmBrivanIntro));
        QCOMPARE(p.platform.quits, 0);
    }

    void editedNoticeIsForgotten() {
        Program p;
        const QString notice = p.control<QLineEdit>("Text1")->text();
        p.control<QLineEdit>("Text1")->setText("something else");
        p.click("cmdContinue");
        p.click("cmdTerms");
        QCOMPARE(p.control<QLineEdit>("Text1")->text(), notice);
    }

    void exitProgramEndsAtOnce() {
        Program p;
        p.click("Command1");
        QCOMPARE(p.platform.quits, 1);
        QCOMPARE(p.current(), nullptr);
        QCOMPARE(Program::visibleWindows(), 0);
    }

    void closingTheWindowWithItsFrameEndsTheProgram() {
        Program p;
        p.click("cmdContinue");
        p.window()->close();
        Program::settle();
        QCOMPARE(p.current(), nullptr);
        QCOMPARE(p.platform.quits, 1);
        QCOMPARE(Program::visibleWindows(), 0);
    }

    void termsThenIAgreeLeadsToLimitationsAtItsStart() {
        Program p;
        p.click("cmdContinue");
        p.click("cmdEnter");
        p.click("cmdTerms");
        QVERIFY(p.isOn(ScreenId::frmBrivanIntro));
        QCOMPARE(p.focusName(), QString("cmdContinue"));
        p.click("cmdContinue");
        QVERIFY(p.isOn(ScreenId::frmBrivan));
        QCOMPARE(p.caption("lblQuestion"), QString());
    }

    void startingTwiceShowsTheTermsBothTimes() {
        Program p;
        p.click("cmdContinue");
        p.click("cmdExit");
        QCOMPARE(p.current(), nullptr);
        p.navigator->start();
        Program::settle();
        QVERIFY(p.isOn(ScreenId::frmBrivanIntro));
        QCOMPARE(Program::visibleWindows(), 1);
    }

    void screenObjectsAreKeptAcrossVisits() {
        Program p;
        brivan::ui::Screen* first = &p.navigator->screen(ScreenId::frmBrivan);
        p.click("cmdContinue");
        p.click("cmdTerms");
        p.click("cmdContinue");
        QCOMPARE(p.current(), first);
    }
};

QTEST_MAIN(NavigationTest)
#include "navigation_test.moc"

// The Memory Items screen driven as a pilot drives it: numbers typed into the drop-down boxes or
// chosen from their lists, keys and clicks on the real window.
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStringList>
#include <QTest>
#include <algorithm>
#include <string>

#include "quiz/annunciators/frm_brivan_ann.h"
#include "quiz/limitations/frm_brivan.h"
#include "quiz/memory_items/frm_brivan_mem.h"
#include "quiz/memory_items/mem_bank.h"
#include "support/on_quiz.h"
#include "ui/controls.h"

using brivan::quiz::annunciators::frmBrivanAnn;
using brivan::quiz::limitations::frmBrivan;
using brivan::quiz::memory_items::frmBrivanMem;
using brivan::quiz::memory_items::kMemCount;
using brivan::quiz::memory_items::kMemSlots;
using brivan::quiz::memory_items::MemChecklist;
using brivan::quiz::memory_items::memRecord;
using brivan::testing::OnQuiz;
using brivan::testing::Program;
using brivan::ui::ScreenId;
namespace colours = brivan::ui::colours;

namespace {

const QStringList kBoxes{"com1", "com2", "com3", "com4", "com5", "com6", "com7"};
const QStringList kLines{"lbl1", "lbl2", "lbl3", "lbl4", "lbl5", "lbl6", "lbl7", "lbl8"};
const QStringList kNumbers{"1", "2", "3", "4", "5", "6", "7"};

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// The program on the Memory Items screen, reached from the Limitations screen.
struct OnMemoryItems : OnQuiz<frmBrivanMem> {
    OnMemoryItems() : OnQuiz(ScreenId::frmBrivanMem, {"cmdContinue", "Command3"}) {}  // "Memory &Items"
    QComboBox* box(const QString& name) { return control<QComboBox>(name.toUtf8().constData()); }
    QLabel* line(const QString& name) { return control<QLabel>(name.toUtf8().constData()); }


    // The boxes the pilot sees, top to bottom.
    QStringList shownBoxes() {
        QStringList shown;
        for (const QString& name : kBoxes)
            if (box(name)->isVisible()) shown << name;
        return shown;
    }
    QStringList boxTexts() {
        QStringList texts;
        for (const QString& name : kBoxes) texts << box(name)->currentText();
        return texts;
    }

    // Typing into a box: the pilot clicks into it, selects what it holds, deletes it and types.
    void typeInto(const QString& name, const QString& text) {
        QComboBox* b = box(name);
        QTest::mouseClick(b->lineEdit(), Qt::LeftButton);
        QTest::keyClick(b, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(b, Qt::Key_Delete);
        QTest::keyClicks(b, text);
        settle();
    }
    // Choosing from a box's list.
    void choose(const QString& name, const QString& number) {
        QComboBox* b = box(name);
        b->setCurrentIndex(b->findText(number));
        settle();
    }

    // The line level with a box, as the pilot reads the screen.
    QString lineBeside(const QString& boxName) {
        const int top = box(boxName)->geometry().top();
        for (const QString& name : kLines)
            if (line(name)->geometry().top() == top) return name;
        return {};
    }

    // The right number for every box on show, worked out from the bank as the pilot would: the
    // step number of the line beside the box.
    QStringList rightNumbers(int checklist) {
        const MemChecklist* record = memRecord(checklist);
        QStringList numbers;
        for (const QString& name : shownBoxes()) {
            const QString text = line(lineBeside(name))->text();
            for (const auto& l : record->lines)
                if (l.isStep() && qs(l.text) == text) numbers << QString::number(l.step);
        }
        return numbers;
    }
    void numberRight(int checklist) {
        const QStringList shown = shownBoxes();
        const QStringList numbers = rightNumbers(checklist);
        for (qsizetype i = 0; i < shown.size(); ++i) choose(shown[i], numbers[i]);
    }
};

// "The Correct Order is " followed by the step numbers of the checklist read top to bottom.
QString correctOrderLine(int checklist) {
    QString digits;
    for (const auto& l : memRecord(checklist)->lines)
        if (l.isStep()) digits += QString::number(l.step);
    return "The Correct Order is " + digits;
}

}  // namespace

class MemoryItemsScreenTest : public QObject {
    Q_OBJECT

private slots:
    // ---- Opening the screen -------------------------------------------------------------------

    void opensWithNoChecklistNoBoxesAndNoLight() {
        OnMemoryItems p;
        QVERIFY(p.isOn(ScreenId::frmBrivanMem));
        QCOMPARE(p.window()->windowTitle(), QString("Brivan 2000 Memory Items"));
        QCOMPARE(p.quiz().intQuestion, 0);
        QCOMPARE(p.shownBoxes(), QStringList());
        QVERIFY(!p.control("lblAnn")->isVisible());
        QVERIFY(!p.control("lblAnn2")->isVisible());
        QCOMPARE(p.boxTexts(), kNumbers);  // hidden, each holding its own number
        for (const QString& name : kBoxes) {
            QStringList items;
            for (int i = 0; i < p.box(name)->count(); ++i) items << p.box(name)->itemText(i);
            QCOMPARE(items, kNumbers);
        }
        for (const char* label : {"lblQuestion", "lblResponse", "lblResponse2", "lblRef", "lblCorrect", "lblPercent"})
            QCOMPARE(p.caption(label), QString());
        QCOMPARE(p.focusName(), QString("cmdEnter"));
        QCOMPARE(Program::visibleWindows(), 1);
    }

    // Mended: with no checklist on screen there is nothing to judge.
    void enterAnswerBeforeTheFirstChecklistDoesNothing() {
        OnMemoryItems p;
        p.enter();
        QSignalSpy pressed(p.control<QPushButton>("cmdEnteranswer"), &QPushButton::clicked);
        QTest::keyClick(p.window(), Qt::Key_E, Qt::AltModifier);
        QTRY_COMPARE(pressed.count(), 1);
        QCOMPARE(p.caption("lblResponse2"), QString());
        QCOMPARE(p.caption("lblResponse"), QString());
        QCOMPARE(p.caption("lblRef"), QString());
        QCOMPARE(p.caption("lblCorrect"), QString());
        QCOMPARE(p.caption("lblPercent"), QString());
        QCOMPARE(p.platform.beeps, 0);
        QCOMPARE(p.quiz().score.intAnswered, 0);

        // Also on a later visit, while the fields still hold the checklist shown last.
        p.goToQuestion(3);
        p.click("cmdTerms");
        p.click("cmdContinue");
        p.click("Command3");
        QVERIFY(p.isOn(ScreenId::frmBrivanMem));
        QCOMPARE(p.quiz().strRef, std::string("Checklist E-5"));
        p.enter();
        QCOMPARE(p.caption("lblResponse2"), QString());
        QCOMPARE(p.caption("lblCorrect"), QString());
        QCOMPARE(p.platform.beeps, 0);
    }

    // ---- What each checklist shows --------------------------------------------------------------

    void engineFireUsesAllSevenBoxesAndTheNoteLine() {
        OnMemoryItems p;
        p.next();
        QCOMPARE(p.caption("lblQuestion"), QString("ENGINE FIRE"));
        QCOMPARE(p.shownBoxes(), kBoxes);
        QCOMPARE(p.boxTexts(), kNumbers);
        QCOMPARE(p.caption("lbl7"), QString("If fire warning persists after 30 seconds"));
        QVERIFY(p.label("lbl7").isBold());
        QVERIFY(!p.label("lbl4").isBold());
        QCOMPARE(p.caption("lbl8"), QString("Fire Extinguisher DISCH Switch . . . . . . . . . . . .POSITION 1"));
        // Every box stands level with its line; the note line has none.
        QStringList beside;
        for (const QString& name : kBoxes) beside << p.lineBeside(name);
        QCOMPARE(beside, (QStringList{"lbl1", "lbl2", "lbl3", "lbl4", "lbl5", "lbl6", "lbl8"}));
        QCOMPARE(p.focusName(), QString("cmdEnter"));
    }

    void lightsOnlyOnTheirChecklists() {
        OnMemoryItems p;
        const struct {
            int checklist;
            const char* upper;
            const char* lower;
            brivan::ui::Colour colour;
        } lights[] = {{1, "FIRE 1", "", colours::Red},
                      {2, "FIRE", "APU", colours::Red},
                      {3, "LH WHEEL", "OVHT", colours::Red},
                      {9, "GEN 1", "GEN 2", colours::Yellow},
                      {10, "PUMP #", "HYDR #", colours::Yellow}};
        for (int n = 1; n <= kMemCount; ++n) {
            p.next();
            const auto* light = std::find_if(std::begin(lights), std::end(lights),
                                             [n](const auto& l) { return l.checklist == n; });
            const bool lit = light != std::end(lights);
            QVERIFY2(p.control("lblAnn")->isVisible() == lit, qPrintable(QString::number(n)));
            QVERIFY2(p.control("lblAnn2")->isVisible() == lit, qPrintable(QString::number(n)));
            if (!lit) continue;
            QCOMPARE(p.caption("lblAnn"), QString(light->upper));
            QCOMPARE(p.caption("lblAnn2"), QString(light->lower));  // ENGINE FIRE: an empty lower half
            QCOMPARE(p.label("lblAnn").backColor(), light->colour);
            QCOMPARE(p.label("lblAnn2").backColor(), light->colour);
        }
    }

    void noteInTheFourthSlotIsBoldWithNoBoxBesideIt() {
        OnMemoryItems p;
        for (int n : {4, 6}) {
            p.goToQuestion(n);
            QCOMPARE(p.caption("lbl4"), QString("    Only if there is no flame in the cabin"));
            QVERIFY(p.label("lbl4").isBold());
            QCOMPARE(p.shownBoxes(), (QStringList{"com1", "com2", "com3", "com5"}));
            QCOMPARE(p.boxTexts(), (QStringList{"1", "2", "3", "", "4", "", ""}));
            QCOMPARE(p.lineBeside("com5"), QString("lbl5"));

            p.enter();
            QCOMPARE(p.caption("lblResponse"), QString("The Correct Order is 1324"));
            p.choose("com2", "3");
            p.choose("com3", "2");
            p.enter();
            QCOMPARE(p.caption("lblResponse2"), QString("Correct!"));

            p.next();  // the checklist after it shows lbl4 as a plain step line again
            QVERIFY(!p.label("lbl4").isBold());
            QVERIFY(p.box("com4")->isVisible());
        }
        QCOMPARE(p.caption("lblQuestion"), QString("TWO ENGINE-OUT CONDITION.....ABOVE 35,000 FEET"));
    }

    void linesAreShownAsPlainText() {
        OnMemoryItems p;
        p.goToQuestion(7);
        QCOMPARE(p.caption("lbl1"), QString("Decend to APU start Envelope . . . . . . . . . . . . .< 35,000 FEET"));
        QCOMPARE(p.line("lbl1")->textFormat(), Qt::PlainText);
        QCOMPARE(p.caption("lbl5"), QString());  // the slots a checklist does not use stay empty
    }

    // ---- Judging -------------------------------------------------------------------------------

    void engineFirePresetIsWrongThenTheRightNumberingIsCorrect() {
        OnMemoryItems p;
        p.next();
        p.enter();
        QCOMPARE(p.caption("lblResponse2"), QString("That's Not Correct!"));
        QCOMPARE(p.caption("lblResponse"), QString("The Correct Order is 2134576"));
        QCOMPARE(p.caption("lblRef"), QString("Reference: Checklist E-2"));
        QCOMPARE(p.label("lblResponse2").foreColor(), colours::Red);
        QCOMPARE(p.label("lblResponse").foreColor(), colours::Red);
        QCOMPARE(p.label("lblRef").foreColor(), colours::Blue);
        QCOMPARE(p.caption("lblCorrect"), QString("0 out of 1 correct!"));
        QCOMPARE(p.caption("lblPercent"), QString("0 percent"));
        QCOMPARE(p.platform.beeps, 1);
        QCOMPARE(p.focusName(), QString("cmdEnter"));

        const QStringList right{"2", "1", "3", "4", "5", "7", "6"};
        for (int i = 0; i < kBoxes.size(); ++i) p.typeInto(kBoxes[i], right[i]);
        QCOMPARE(p.boxTexts(), right);
        p.key(Qt::Key_Return);  // Enter in a box presses "Enter Answer"
        QCOMPARE(p.caption("lblResponse2"), QString("Correct!"));
        QCOMPARE(p.caption("lblResponse"), QString("The Correct Order is 2134576"));  // kept, now blue
        QCOMPARE(p.caption("lblRef"), QString("Reference: Checklist E-2"));
        QCOMPARE(p.label("lblResponse2").foreColor(), colours::Blue);
        QCOMPARE(p.label("lblResponse").foreColor(), colours::Blue);
        QCOMPARE(p.caption("lblCorrect"), QString("1 out of 2 correct!"));
        QCOMPARE(p.caption("lblPercent"), QString("50 percent"));
        QCOMPARE(p.platform.beeps, 2);
        QCOMPARE(p.focusName(), QString("cmdEnter"));
        QCOMPARE(p.boxTexts(), right);  // judging leaves the boxes as they are

        p.next();  // the next checklist clears the verdict lines
        QCOMPARE(p.caption("lblResponse2"), QString());
        QCOMPARE(p.caption("lblResponse"), QString());
        QCOMPARE(p.caption("lblRef"), QString());
        QCOMPARE(p.caption("lblCorrect"), QString("1 out of 2 correct!"));
    }

    void twoGeneratorsInoperativeIsRightAsPreset() {
        OnMemoryItems p;
        p.goToQuestion(9);
        QCOMPARE(p.caption("lblQuestion"), QString("TWO GENERATORS INOPERATIVE"));
        QCOMPARE(p.shownBoxes(), (QStringList{"com1", "com2"}));
        p.enter();
        QCOMPARE(p.caption("lblResponse2"), QString("Correct!"));
        QCOMPARE(p.caption("lblResponse"), QString());
        QCOMPARE(p.caption("lblRef"), QString());
        QCOMPARE(p.caption("lblCorrect"), QString("1 out of 1 correct!"));
        QCOMPARE(p.caption("lblPercent"), QString("100 percent"));
    }

    void typedTextIsComparedExactly() {
        OnMemoryItems p;
        p.goToQuestion(9);  // right as preset: com2 must hold exactly "2"
        const QString inputs[] = {"02", " 2", "2 ", "two", "Z", QString("1234567890").repeated(100), "<b>2</b>", ""};
        for (const QString& text : inputs) {
            p.typeInto("com2", text);
            QCOMPARE(p.box("com2")->currentText(), text);
            p.key(Qt::Key_Return);
            QCOMPARE(p.caption("lblResponse2"), QString("That's Not Correct!"));
            QCOMPARE(p.caption("lblResponse"), QString("The Correct Order is 12"));
            QCOMPARE(p.box("com2")->currentText(), text);  // Enter leaves the text as typed
            QCOMPARE(p.box("com2")->count(), 7);           // and never adds it to the list
        }
        QCOMPARE(p.caption("lblCorrect"), QString("0 out of 8 correct!"));

        p.typeInto("com2", "2");
        p.key(Qt::Key_Return);
        QCOMPARE(p.caption("lblResponse2"), QString("Correct!"));
        QCOMPARE(p.box("com2")->currentText(), QString("2"));
        QCOMPARE(p.box("com2")->count(), 7);
        QCOMPARE(p.platform.beeps, 9);
    }

    void aNumberOutsideTheListIsNeverAddedToIt() {
        OnMemoryItems p;
        p.next();
        p.typeInto("com3", "9");
        p.key(Qt::Key_Tab);  // leaving the box keeps the text and the list as they are
        QCOMPARE(p.focusName(), QString("com4"));
        QCOMPARE(p.box("com3")->currentText(), QString("9"));
        QCOMPARE(p.box("com3")->count(), 7);
        QTest::mouseClick(p.box("com3")->lineEdit(), Qt::LeftButton);
        p.key(Qt::Key_Return);
        QCOMPARE(p.caption("lblResponse2"), QString("That's Not Correct!"));
        QCOMPARE(p.box("com3")->currentText(), QString("9"));
        QCOMPARE(p.box("com3")->count(), 7);
        QCOMPARE(p.box("com3")->findText("9"), -1);
        p.next();  // the next checklist presets it again
        QCOMPARE(p.box("com3")->currentText(), QString("3"));
        QCOMPARE(p.box("com3")->count(), 7);
    }

    void choosingFromTheListByKeyboard() {
        OnMemoryItems p;
        p.next();
        // ENGINE FIRE from its presets 1 to 7: the list steps on from the number the box shows.
        const struct {
            const char* box;
            Qt::Key key;
        } moves[] = {{"com1", Qt::Key_Down}, {"com2", Qt::Key_Up}, {"com6", Qt::Key_Down}, {"com7", Qt::Key_Up}};
        for (const auto& move : moves) {
            QTest::mouseClick(p.box(move.box)->lineEdit(), Qt::LeftButton);
            p.key(move.key);
        }
        QCOMPARE(p.boxTexts(), (QStringList{"2", "1", "3", "4", "5", "7", "6"}));
        p.key(Qt::Key_Return);
        QCOMPARE(p.caption("lblResponse2"), QString("Correct!"));

        // The opened list starts at the number shown, and picking from it sets the box.
        p.goToQuestion(4);  // com5 shows "4"
        QComboBox* com5 = p.box("com5");
        QTest::mouseClick(com5->lineEdit(), Qt::LeftButton);
        p.key(Qt::Key_Down, Qt::AltModifier);
        QTRY_VERIFY(com5->view()->isVisible());
        QCOMPARE(com5->view()->currentIndex().data().toString(), QString("4"));
        QTest::keyClick(com5->view(), Qt::Key_Up);
        QTest::keyClick(com5->view(), Qt::Key_Return);
        QTRY_VERIFY(!com5->view()->isVisible());
        QCOMPARE(com5->currentText(), QString("3"));
        QCOMPARE(p.caption("lblResponse2"), QString());  // Enter in the open list only picks
    }

    void choosingAfterTypingSetsTheChosenNumber() {
        OnMemoryItems p;
        p.goToQuestion(9);
        p.typeInto("com1", "x");
        p.choose("com1", "1");  // the number the list already stood at
        QCOMPARE(p.box("com1")->currentText(), QString("1"));
        p.enter();
        QCOMPARE(p.caption("lblResponse2"), QString("Correct!"));
    }

    void everyPressCountsAndRoundsToEven() {
        OnMemoryItems p;
        p.goToQuestion(9);
        p.enter();
        p.choose("com1", "2");
        for (int i = 0; i < 7; ++i) p.enter();
        QCOMPARE(p.caption("lblCorrect"), QString("1 out of 8 correct!"));
        QCOMPARE(p.caption("lblPercent"), QString("12 percent"));
        p.choose("com1", "1");
        p.enter();
        p.enter();
        QCOMPARE(p.caption("lblCorrect"), QString("3 out of 10 correct!"));
        QCOMPARE(p.caption("lblPercent"), QString("30 percent"));
        QCOMPARE(p.platform.beeps, 10);
    }

    void skippedChecklistsAreNotCounted() {
        OnMemoryItems p;
        p.goToQuestion(15);
        QCOMPARE(p.caption("lblCorrect"), QString());
        QCOMPARE(p.caption("lblPercent"), QString());
        QCOMPARE(p.platform.beeps, 0);
    }

    // Mended: the counters never overflow, whatever the number of answers.
    void fortyThousandJudgements() {
        OnMemoryItems p;
        p.goToQuestion(9);
        for (int i = 0; i < 40000; ++i) p.quiz().cmdEnteranswer_Click();
        QCOMPARE(p.caption("lblCorrect"), QString("40000 out of 40000 correct!"));
        QCOMPARE(p.caption("lblPercent"), QString("100 percent"));
        QCOMPARE(p.platform.beeps, 40000);
        QVERIFY(p.isOn(ScreenId::frmBrivanMem));
    }

    // ---- The whole quiz and the hand-over ------------------------------------------------------

    void wrongNumberingShowsEachChecklistsOrderAndReference() {
        OnMemoryItems p;
        for (int n = 1; n <= kMemCount; ++n) {
            p.next();
            if (n == 9) continue;  // the one checklist whose presets are right
            p.enter();
            QCOMPARE(p.caption("lblResponse2"), QString("That's Not Correct!"));
            QCOMPARE(p.caption("lblResponse"), correctOrderLine(n));
            QCOMPARE(p.caption("lblRef"), "Reference: " + qs(memRecord(n)->reference));
        }
        QCOMPARE(p.caption("lblCorrect"), QString("0 out of 14 correct!"));
        QCOMPARE(p.caption("lblPercent"), QString("0 percent"));
        p.next();
        QCOMPARE(p.caption("lblPercent"), QString("You answered 0 percent correct!"));
    }

    void fifteenOfFifteenNumberedFromTheBank() {
        OnMemoryItems p;
        for (int n = 1; n <= kMemCount; ++n) {
            p.next();
            const MemChecklist* record = memRecord(n);
            QCOMPARE(p.caption("lblQuestion"), qs(record->title));
            int steps = 0;
            for (int slot = 0; slot < kMemSlots; ++slot) {
                QCOMPARE(p.caption(kLines[slot].toUtf8().constData()), qs(record->lines[size_t(slot)].text));
                steps += record->lines[size_t(slot)].isStep();
            }
            const QStringList shown = p.shownBoxes();
            QCOMPARE(shown.size(), steps);
            for (int i = 0; i < shown.size(); ++i) QCOMPARE(p.box(shown[i])->currentText(), QString::number(i + 1));

            p.numberRight(n);
            p.enter();
            QVERIFY2(p.caption("lblResponse2") == "Correct!", qPrintable(qs(record->title)));
        }
        QCOMPARE(p.caption("lblCorrect"), QString("15 out of 15 correct!"));
        QCOMPARE(p.caption("lblPercent"), QString("100 percent"));
        QVERIFY(p.isOn(ScreenId::frmBrivanMem));

        p.next();  // the sixteenth press hands over
        QVERIFY(p.isOn(ScreenId::frmMemEnd));
        QCOMPARE(p.window()->windowTitle(), QString("Brivan 2000 Quit or Continue?"));
        QCOMPARE(p.caption("lblPercent"), QString("You answered 100 percent correct!"));
        QVERIFY(!p.quiz().isLoaded());
        QCOMPARE(Program::visibleWindows(), 1);
    }

    void handOverWithoutAnswers() {
        OnMemoryItems p;
        p.goToQuestion(16);
        QVERIFY(p.isOn(ScreenId::frmMemEnd));
        QCOMPARE(p.caption("lblPercent"), QString("You answered  correct!"));
    }

    // ---- Keys ----------------------------------------------------------------------------------

    void tabReachesEachBoxOnShowInOrder() {
        OnMemoryItems p;
        auto chain = [&p] {
            QStringList names;
            for (int i = 0; i < 20; ++i) {
                p.key(Qt::Key_Tab);
                names << p.focusName();
                if (names.back() == "cmdEnter") break;
            }
            return names;
        };
        const QStringList head{"cmdEnteranswer", "cmdExit"};
        const QStringList tail{"Command2", "Command3", "cmdTerms", "cmdEnter"};
        QCOMPARE(p.focusName(), QString("cmdEnter"));
        QCOMPARE(chain(), head + tail);

        p.next();  // ENGINE FIRE: all seven
        QCOMPARE(chain(), head + kBoxes + tail);
        p.goToQuestion(4);  // no box beside the note line
        QCOMPARE(chain(), head + QStringList({"com1", "com2", "com3", "com5"}) + tail);
        p.goToQuestion(9);
        QCOMPARE(chain(), head + QStringList({"com1", "com2"}) + tail);

        // Tabbing into a box selects its number, so typing replaces it.
        p.key(Qt::Key_Tab);
        p.key(Qt::Key_Tab);
        p.key(Qt::Key_Tab);
        QCOMPARE(p.focusName(), QString("com1"));
        p.type("2");
        QCOMPARE(p.box("com1")->currentText(), QString("2"));
        p.key(Qt::Key_Return);  // "Enter Answer" again, though buttons had the focus on the way
        QCOMPARE(p.caption("lblResponse2"), QString("That's Not Correct!"));
        QCOMPARE(p.focusName(), QString("cmdEnter"));
        p.key(Qt::Key_Return);  // and the next Enter shows the next checklist
        QCOMPARE(p.quiz().intQuestion, 10);
    }

    void accessKeysPressTheirButtons() {
        OnMemoryItems p;
        QTest::keyClick(p.window(), Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(p.quiz().intQuestion, 1);
        QTest::keyClick(p.window(), Qt::Key_E, Qt::AltModifier);
        QTRY_COMPARE(p.caption("lblResponse2"), QString("That's Not Correct!"));
        QCOMPARE(p.caption("lblResponse"), QString("The Correct Order is 2134576"));
    }

    void escapeEndsTheProgram() {
        {
            OnMemoryItems p;
            p.next();
            p.typeInto("com3", "5");
            QCOMPARE(p.focusName(), QString("com3"));
            p.key(Qt::Key_Escape);
            QCOMPARE(p.platform.quits, 1);
            QCOMPARE(p.current(), nullptr);
            QCOMPARE(Program::visibleWindows(), 0);
        }
        {
            OnMemoryItems p;
            QTest::keyClick(p.window(), Qt::Key_X, Qt::AltModifier);
            QTRY_COMPARE(p.platform.quits, 1);
            QCOMPARE(Program::visibleWindows(), 0);
        }
    }

    // Escape with a box's list open closes the list and keeps the visit; the next Escape exits.
    void escapeWithAListOpenClosesOnlyTheList() {
        OnMemoryItems p;
        p.next();
        p.click("cmdEnteranswer");
        auto* box = p.control<QComboBox>("com2");
        box->setFocus();
        box->showPopup();
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);  // to the open list, as the pilot's key goes
        Program::settle();
        QVERIFY(!QApplication::activePopupWidget());
        QCOMPARE(p.platform.quits, 0);
        QVERIFY(p.isOn(ScreenId::frmBrivanMem));
        p.expectScore("0 out of 1 correct!", "0 percent");
        p.window()->activateWindow();  // the offscreen platform leaves the closed list active
        QTRY_COMPARE(QApplication::activeWindow(), p.window());
        p.key(Qt::Key_Escape);
        QCOMPARE(p.platform.quits, 1);
    }

    // ---- Moves ---------------------------------------------------------------------------------

    void movesFromTheScreen() {
        {
            OnMemoryItems p;
            p.goToQuestion(2);
            QTest::keyClick(p.window(), Qt::Key_M, Qt::AltModifier);
            QTRY_VERIFY(p.isOn(ScreenId::frmBrivanAnn));
            QCOMPARE(p.screen<frmBrivanAnn>(ScreenId::frmBrivanAnn).intQuestion, 0);
            QVERIFY(!p.quiz().isLoaded());
            QCOMPARE(Program::visibleWindows(), 1);
        }
        {
            OnMemoryItems p;
            p.goToQuestion(2);
            QTest::keyClick(p.window(), Qt::Key_L, Qt::AltModifier);
            QTRY_VERIFY(p.isOn(ScreenId::frmBrivan));
            QCOMPARE(p.screen<frmBrivan>(ScreenId::frmBrivan).intQuestion, 0);
            QCOMPARE(Program::visibleWindows(), 1);
        }
        {
            OnMemoryItems p;
            p.click("cmdTerms");
            QVERIFY(p.isOn(ScreenId::frmBrivanIntro));
            QCOMPARE(Program::visibleWindows(), 1);
        }
    }

    void movesFromTheResultsScreen() {
        auto finished = [](OnMemoryItems& p) {
            p.next();
            p.numberRight(1);
            p.enter();
            p.goToQuestion(16);
            QVERIFY(p.isOn(ScreenId::frmMemEnd));
            QCOMPARE(p.caption("lblPercent"), QString("You answered 100 percent correct!"));
        };
        {
            OnMemoryItems p;
            finished(p);
            QTest::keyClick(p.window(), Qt::Key_S, Qt::AltModifier);  // "&Start Over!"
            QTRY_VERIFY(p.isOn(ScreenId::frmBrivanMem));
            QCOMPARE(p.quiz().intQuestion, 0);
            QCOMPARE(p.quiz().score.intAnswered, 0);
            QCOMPARE(p.shownBoxes(), QStringList());
            QVERIFY(!p.control("lblAnn")->isVisible());
            QCOMPARE(p.caption("lblQuestion"), QString());
            QCOMPARE(p.caption("lblCorrect"), QString());
            QCOMPARE(p.caption("lblPercent"), QString());
            p.enter();  // still holding DITCHING from the last visit: nothing to judge yet
            QCOMPARE(p.caption("lblCorrect"), QString());
            p.next();
            QCOMPARE(p.caption("lblQuestion"), QString("ENGINE FIRE"));
        }
        {
            OnMemoryItems p;
            finished(p);
            QCOMPARE(p.control<QPushButton>("Command2")->text(), QString("&Master Warning"));
            QTest::keyClick(p.window(), Qt::Key_M, Qt::AltModifier);
            QTRY_VERIFY(p.isOn(ScreenId::frmBrivanAnn));
            QCOMPARE(Program::visibleWindows(), 1);
        }
        {
            OnMemoryItems p;
            finished(p);
            QCOMPARE(p.control<QPushButton>("Command5")->text(), QString("&Limitaions"));
            QTest::keyClick(p.window(), Qt::Key_L, Qt::AltModifier);
            QTRY_VERIFY(p.isOn(ScreenId::frmBrivan));
            QCOMPARE(Program::visibleWindows(), 1);
        }
    }

    void reachedFromEveryScreenThatOffersIt() {
        auto memoryItems = [](Program& p) {
            QTest::keyClick(p.window(), Qt::Key_I, Qt::AltModifier);  // "Memory &Items"
            QTRY_VERIFY(p.isOn(ScreenId::frmBrivanMem));
            QCOMPARE(p.screen<frmBrivanMem>(ScreenId::frmBrivanMem).intQuestion, 0);
            QCOMPARE(Program::visibleWindows(), 1);
        };
        {
            Program p;
            p.click("cmdContinue");
            memoryItems(p);  // from the Limitations screen
        }
        {
            Program p;
            p.click("cmdContinue");
            p.click("Command2");
            QVERIFY(p.isOn(ScreenId::frmBrivanAnn));
            memoryItems(p);
        }
        {
            Program p;
            p.click("cmdContinue");
            while (p.isOn(ScreenId::frmBrivan)) p.click("cmdEnter");
            QVERIFY(p.isOn(ScreenId::frmBrivanEnd));
            memoryItems(p);
        }
        {
            Program p;
            p.click("cmdContinue");
            p.click("Command2");
            while (p.isOn(ScreenId::frmBrivanAnn)) p.click("cmdEnter");
            QVERIFY(p.isOn(ScreenId::frmAnnEnd));
            memoryItems(p);
        }
    }

    void everyVisitStartsAfresh() {
        OnMemoryItems p;
        p.goToQuestion(4);  // lbl4 bold, boxes presets changed
        p.enter();
        p.click("Command2");
        p.click("Command3");
        QVERIFY(p.isOn(ScreenId::frmBrivanMem));
        QCOMPARE(p.quiz().intQuestion, 0);
        QCOMPARE(p.quiz().score.intAnswered, 0);
        QVERIFY(!p.label("lbl4").isBold());
        QCOMPARE(p.caption("lblResponse"), QString());
        QCOMPARE(p.label("lblResponse").foreColor(), colours::DarkGrey);
        QCOMPARE(p.boxTexts(), kNumbers);
        QCOMPARE(p.shownBoxes(), QStringList());
    }
};

QTEST_MAIN(MemoryItemsScreenTest)
#include "memory_items_screen_test.moc"

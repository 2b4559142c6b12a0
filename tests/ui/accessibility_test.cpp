// What a screen reader is told about each screen, read through Qt's accessibility interfaces of the
// real windows: the names of the controls, and that they follow the captions they come from.
// (The same names read from outside the program, over the desktop's accessibility bus, are
// checked by tests/app/screen_reader_test.py.)
#include <QAccessible>
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#endif
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include "quiz/annunciators/frm_brivan_ann.h"
#include "quiz/memory_items/frm_brivan_mem.h"
#include "support/program.h"
#include "ui/screens.h"

using brivan::quiz::annunciators::frmBrivanAnn;
using brivan::quiz::memory_items::frmBrivanMem;
using brivan::ui::layoutOf;
using brivan::testing::Program;
using brivan::ui::ControlKind;
using brivan::ui::Layout;
using brivan::ui::ScreenId;

namespace {

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
// Qt's announcements, caught in the process where the platform's bridge would take them.
struct Announced {
    QString message;
    QAccessible::AnnouncementPoliteness politeness{};
    QObject* source = nullptr;
};
Announced lastAnnounced;
void catchAnnouncement(QAccessibleEvent* event) {
    if (event->type() != QAccessible::Announcement) return;
    const auto* announcement = static_cast<QAccessibleAnnouncementEvent*>(event);
    lastAnnounced = {announcement->message(), announcement->politeness(), announcement->object()};
}
#endif

struct Reader : Program {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    Reader() {
        QAccessible::installUpdateHandler(catchAnnouncement);
        lastAnnounced = {};
    }
    ~Reader() { QAccessible::installUpdateHandler(nullptr); }
#endif

    QAccessibleInterface* a11y(const char* name) const { return QAccessible::queryAccessibleInterface(control(name)); }
    QString said(const char* name) const { return a11y(name)->text(QAccessible::Name); }
    bool offered(const char* name) const { return !a11y(name)->state().invisible; }

    void next() { click("cmdEnter"); }

    // What the open screen last told the screen reader: Qt's announcement, or before Qt 6.8 the
    // notification object that stands in for it.
    QString told() const {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        if (lastAnnounced.source != window()) return {};
        // Said at once, ahead of what is still being read: it answers the key just pressed.
        if (lastAnnounced.politeness != QAccessible::AnnouncementPoliteness::Assertive) return {};
        return lastAnnounced.message;
#else
        for (QWidget* w : window()->findChildren<QWidget*>())
            if (QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w); i->role() == QAccessible::Notification)
                return i->text(QAccessible::Name);
        return {};
#endif
    }
    void finish(ScreenId quiz) {
        while (isOn(quiz)) next();
    }

    // Every control of the open screen, as its layout lists them: what a screen reader says for
    // each. Buttons, boxes and pictures must have something to say; labels say what they show.
    void expectEveryControlNamed() const {
        const ScreenId id = current()->id();
        for (const auto& row : layoutOf(id).controls) {
            const QByteArray name(row.name.data(), qsizetype(row.name.size()));
            QAccessibleInterface* iface = a11y(name.constData());
            QVERIFY2(iface && iface->isValid(), name.constData());
            const QString text = iface->text(QAccessible::Name);
            if (row.kind == ControlKind::Label) {
                if (row.speech.light || !row.speech.partOf.empty()) continue;  // the light, below
                QCOMPARE(text, control<QLabel>(name.constData())->text());
            } else if (control(name.constData())->isVisible()) {
                QVERIFY2(!text.trimmed().isEmpty(), qPrintable(window()->windowTitle() + ": " + name));
            }
        }
    }
};

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlOfEveryScreenHasAName() {
        Reader p;
        p.expectEveryControlNamed();  // terms
        p.click("cmdContinue");
        p.next();
        p.expectEveryControlNamed();  // Limitations, with a question
        p.finish(ScreenId::frmBrivan);
        p.expectEveryControlNamed();  // after Limitations
        p.click("Command2");
        p.next();
        p.expectEveryControlNamed();  // Annunciators, with a light
        p.finish(ScreenId::frmBrivanAnn);
        p.expectEveryControlNamed();  // after Annunciators
        p.click("Command2");          // "Memory Items"
        p.next();
        p.expectEveryControlNamed();  // Memory Items, with a checklist
        p.finish(ScreenId::frmBrivanMem);
        QVERIFY(p.isOn(ScreenId::frmMemEnd));
        p.expectEveryControlNamed();
    }

    void buttonsAreReadWithoutTheAccessKeyMark() {
        Reader p;
        QCOMPARE(p.said("cmdContinue"), QString("I Agree"));
        QCOMPARE(p.said("Command1"), QString("Exit Program"));
        p.click("cmdContinue");
        QCOMPARE(p.said("cmdEnter"), QString("Next Question"));
        QCOMPARE(p.said("cmdEnteranswer"), QString("Enter Answer"));
        QCOMPARE(p.said("cmdExit"), QString("Exit"));
        QCOMPARE(p.said("Command2"), QString("Master Warning"));
        QCOMPARE(p.said("Command3"), QString("Memory Items"));
        QCOMPARE(p.said("cmdTerms"), QString("Terms and Conditions"));
        QCOMPARE(p.a11y("cmdEnter")->role(), QAccessible::Button);
        // What the screen shows is untouched.
        QCOMPARE(p.control<QAbstractButton>("cmdEnter")->text(), QString("&Next Question"));
    }

    void textBoxesSayWhatTheyAreFor() {
        Reader p;
        QCOMPARE(p.said("Text1"), QString("Notice of rights"));
        QCOMPARE(p.a11y("Text1")->role(), QAccessible::EditableText);
        p.click("cmdContinue");
        QCOMPARE(p.said("txtAnswer"), QString("Enter your answer here!"));  // its tool tip
        QCOMPARE(p.a11y("txtAnswer")->role(), QAccessible::EditableText);
        QCOMPARE(p.control<QLineEdit>("txtAnswer")->text(), QString());
    }

    void picturesAreDescribed() {
        Reader p;
        QCOMPARE(p.said("Image2"), QString("Skyward Study Press logo"));
        QCOMPARE(p.said("Image3"), QString("Terms and Conditions for use"));
        QCOMPARE(p.said("imgBrivan"), QString("Disclaimer"));
        for (const char* picture : {"Image2", "Image3", "imgBrivan"})
            QCOMPARE(p.a11y(picture)->role(), QAccessible::Graphic);

        // The disclaimer's whole wording can be read: the same words as the picture's source.
        QFile source(QStringLiteral(BRIVAN_SOURCE_DIR "/src/ui/resources/art/disclaimer.txt"));
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QString words = QString::fromUtf8(source.readAll()).simplified();
        QCOMPARE(p.a11y("imgBrivan")->text(QAccessible::Description), words);

        p.click("cmdContinue");
        QCOMPARE(p.said("imgBrivan"), QString("Business jet climbing over snow-covered mountains"));
        QCOMPARE(p.said("Image2"), QString("Skyward Study Press logo"));
        QCOMPARE(p.a11y("imgBrivan")->text(QAccessible::Description), QString("Brivan 2000 in flight."));
    }

    void optionButtonsAreNamedByTheirChoices() {
        Reader p;
        p.click("cmdContinue");
        p.click("Command2");
        p.next();
        const char* options[] = {"OptionA", "OptionB", "OptionC", "OptionD"};
        const char* choices[] = {"lblA", "lblB", "lblC", "lblD"};
        QCOMPARE(p.said("OptionA"), QString("A. Fire condition exists in #1 Engine (with fire audio warning)"));
        for (int question = 1; question <= 3; ++question) {
            for (int i = 0; i < 4; ++i) {
                QCOMPARE(p.said(options[i]), p.caption(choices[i]));
                QCOMPARE(p.a11y(options[i])->role(), QAccessible::RadioButton);
                QCOMPARE(p.control<QRadioButton>(options[i])->text(), QString());  // still no caption shown
            }
            p.next();
        }
    }

    // A screen reader's "choose" is the pilot's click: the choice is judged, as with the mouse.
    void choosingAnOptionThroughItsActionAnswers() {
        Reader p;
        p.click("cmdContinue");
        p.click("Command2");
        const QString choose = QAccessibleActionInterface::toggleAction();
        p.a11y("OptionA")->actionInterface()->doAction(choose);  // hidden before the first light
        QCOMPARE(p.platform.beeps, 0);
        p.next();
        QCOMPARE(p.a11y("OptionA")->actionInterface()->actionNames().value(0), choose);
        p.a11y("OptionC")->actionInterface()->doAction(choose);
        Program::settle();
        QCOMPARE(p.caption("lblResponse2"), QString("That's Not Correct!"));
        QVERIFY(p.a11y("OptionC")->state().checked);
        QCOMPARE(p.platform.beeps, 1);
        p.a11y("OptionA")->actionInterface()->doAction(choose);
        Program::settle();
        QCOMPARE(p.caption("lblResponse2"), QString("Correct!"));
        QVERIFY(p.a11y("OptionA")->state().checked);
        QVERIFY(!p.a11y("OptionC")->state().checked);
        QVERIFY(p.a11y("OptionC")->state().checkable);
        QCOMPARE(p.platform.beeps, 2);
        QCOMPARE(p.caption("lblCorrect"), QString("1 out of 2 correct!"));
    }

    void theLightIsReadAsOneThing() {
        Reader p;
        p.click("cmdContinue");
        p.click("Command2");
        auto& quiz = p.screen<frmBrivanAnn>(ScreenId::frmBrivanAnn);
        p.next();
        QCOMPARE(p.said("lblAnn"), QString("Warning light: FIRE 1"));
        QVERIFY(p.offered("lblAnn"));
        QVERIFY(!p.offered("lblAnn2"));  // the lower legend is part of the light, not a line of its own
        QCOMPARE(p.said("lblAnn2"), QString());
        while (quiz.intQuestion < 19) p.next();
        QCOMPARE(p.caption("lblAnn"), QString("PUMP 1"));  // as shown: two legends on yellow
        QCOMPARE(p.caption("lblAnn2"), QString("HYDR #1"));
        QCOMPARE(p.said("lblAnn"), QString("Caution light: PUMP 1, HYDR #1"));
        QVERIFY(!p.offered("lblAnn2"));
        p.next();
        QVERIFY(p.said("lblAnn").startsWith("Caution light: "));
        QCOMPARE(p.said("lblAnn"), "Caution light: " + p.caption("lblAnn") +
                                       (p.caption("lblAnn2").isEmpty() ? QString() : ", " + p.caption("lblAnn2")));

        // On Memory Items the checklist's light is read the same way.
        p.click("Command3");
        p.next();
        QCOMPARE(p.said("lblAnn"), QString("Warning light: FIRE 1"));
        p.next();
        QCOMPARE(p.said("lblAnn"), QString("Warning light: FIRE, APU"));
        QVERIFY(!p.offered("lblAnn2"));
    }

    void dropDownBoxesAreNamedByTheirStepLines() {
        Reader p;
        p.click("cmdContinue");
        p.click("Command3");
        auto& quiz = p.screen<frmBrivanMem>(ScreenId::frmBrivanMem);
        const char* boxes[] = {"com1", "com2", "com3", "com4", "com5", "com6", "com7"};
        const char* lines[] = {"lbl1", "lbl2", "lbl3", "lbl4", "lbl5", "lbl6", "lbl8"};  // com7 stands by lbl8
        p.next();
        QCOMPARE(p.said("com1"), QString("ESS/RH Bus Tie Rotary Switch, TIED"));  // no leader dots
        QCOMPARE(p.a11y("com1")->role(), QAccessible::ComboBox);
        QCOMPARE(p.a11y("com1")->text(QAccessible::Value), QString("1"));
        while (quiz.intQuestion <= 15) {
            for (int i = 0; i < 7; ++i) {
                if (!p.control(boxes[i])->isVisible()) continue;
                // The step line's words, its leader dots read as one pause.
                const auto words = [](QString line) { return line.remove(QRegularExpression("[ .,]")); };
                QCOMPARE(words(p.said(boxes[i])), words(p.caption(lines[i])));
                QVERIFY2(!p.said(boxes[i]).contains(". ."), qPrintable(p.said(boxes[i])));
                QCOMPARE(p.a11y(boxes[i])->text(QAccessible::Value), p.control<QComboBox>(boxes[i])->currentText());
            }
            p.next();
            if (!p.isOn(ScreenId::frmBrivanMem)) break;
        }
    }

    // A checklist is told from the top: title, light, lines (the note line too), without leader
    // dots; one without a light tells no light.
    void aChecklistIsToldAsShown() {
        Reader p;
        p.click("cmdContinue");
        p.click("Command3");
        p.next();
        QVERIFY(p.told().startsWith("ENGINE FIRE. Warning light: FIRE 1. ESS/RH Bus Tie Rotary Switch, TIED."));
        QVERIFY(p.told().contains("POSITION 2. If fire warning persists after 30 seconds. Fire Extinguisher"));
        p.click("cmdEnteranswer");
        QCOMPARE(p.told(), QString("That's Not Correct! The Correct Order is 2 1 3 4 5 7 6. "
                                   "Reference: Checklist E-2. 0 out of 1 correct! 0 percent."));
        p.next();
        p.next();
        p.next();  // ELECTRICAL FIRE OR SMOKE: no light
        QVERIFY(!p.control("lblAnn")->isVisible());
        QVERIFY2(p.told().startsWith("ELECTRICAL FIRE OR SMOKE. Oxygen Masks and Smoke Goggles, 100%/DONNED."),
                 qPrintable(p.told()));
        QVERIFY2(!p.told().contains("light"), qPrintable(p.told()));
    }

    void judgementLinesReadAsShown() {
        Reader p;
        p.click("cmdContinue");
        p.next();
        p.control<QLineEdit>("txtAnswer")->setText("64");
        p.click("cmdEnteranswer");
        QCOMPARE(p.said("lblResponse2"), QString("That's Not Correct!"));
        QCOMPARE(p.said("lblResponse"), QString("The Correct Answer is 63"));
        QCOMPARE(p.said("lblRef"), QString("Reference Vol 1 Page 0-5"));
        QCOMPARE(p.said("lblCorrect"), QString("0 out of 1 correct!"));
        QCOMPARE(p.said("lblPercent"), QString("0 percent"));
        p.control<QLineEdit>("txtAnswer")->setText("63");
        p.click("cmdEnteranswer");
        QCOMPARE(p.said("lblResponse2"), QString("Correct!"));
        QCOMPARE(p.said("lblCorrect"), QString("1 out of 2 correct!"));
        QCOMPARE(p.said("lblPercent"), QString("50 percent"));
        QCOMPARE(p.a11y("lblResponse2")->role(), QAccessible::StaticText);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"

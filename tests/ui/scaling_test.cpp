// The screens at the display scales a desktop offers (QT_SCALE_FACTOR 1, 1.25, 1.5, 1.75 and 2) at
// 96 dots per inch. CTest runs this program at each. Each run walks through every screen and every
// question and checks that nothing is cut off at its scale: each label's text falls inside the
// label and its letters are drawn where that text falls, each button's caption is drawn clear of
// its bevel's edges, each drop-down box shows its number whole and each option button its whole
// indicator. It then compares its walk with the same walk made by a copy of itself at 1x (the 1x
// run: at 2x): window sizes, control positions, where each text falls and where its letters are
// drawn. Pictures, read as the program reads them at start, must come from the "@2x" renderings
// above scale 1, and from the ordinary ones, untouched, at 1; the window icon likewise at 1 and 2.
#include <QComboBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <cmath>
#include <optional>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "support/ink.h"
#include "support/program.h"
#include "ui/screens.h"
#include "ui/qt/pictures.h"

using brivan::testing::ink;
using brivan::testing::inPixels;
using brivan::testing::inPoints;
using brivan::ui::layoutOf;
using brivan::testing::Program;
using brivan::testing::styleOption;
using brivan::testing::wholeInk;
using brivan::ui::ControlKind;
using brivan::ui::Layout;
using brivan::ui::ScreenId;

namespace {

// Captions that their labels, as sized, cut off at the bottom at every scale, 1x included: the
// courtesy block's second line, the foot of the longest reference and the second line of the
// longest checklist step. Any other caption must fit its label.
const QStringList kCutOffAtEveryScale = {
    QStringLiteral("Resources for Aviation Professionals"),
    QStringLiteral("Reference: Flight Safety Manual 4-3"),
    QStringLiteral("Descent Airspeed . . . . . . . . . . . . . . . . . . . . .Mmo/Vmo Smooth Air Conditions"),
};

QString rect(const QRect& r) { return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()); }

// What a control on show looks like, measured, and what of it is cut off at this scale.
struct Measured {
    QString line;  // added to the control's line, to compare with the other scale
    QStringList cutOff;
};

QStringList unless(bool whole, const QString& what) { return whole ? QStringList() : QStringList{what}; }

// Where the text falls (a box taller than the label means text cut off at the bottom) and where
// its letters are drawn.
Measured labelText(QLabel* label) {
    const QRect room = label->contentsRect();
    const int flags = int(label->alignment()) | Qt::TextWordWrap;
    const QRect text = QFontMetrics(label->font(), label).boundingRect(room, flags, label->text());
    const QRect letters = ink(label, QPalette::Window);
    QRect allowed = room;
    if (kCutOffAtEveryScale.contains(label->text())) allowed.setBottom(std::max(room.bottom(), text.bottom()));
    // Anti-aliasing may colour the pixel next to the text's box.
    const bool lettersInText = inPixels(text.adjusted(-1, -1, 1, 1)).contains(letters);
    return {QStringLiteral(" | text %1 | ink %2").arg(rect(text), rect(inPoints(letters))),
            unless(allowed.contains(text), label->text()) +
                unless(lettersInText, QStringLiteral("letters outside the text"))};
}

// The caption's width, and its letters drawn clear of the bevel's edges, where a caption too wide
// for its button is cut.
Measured buttonCaption(const QPushButton* button) {
    QString caption = button->text();
    caption.remove(QLatin1Char('&'));
    const QRect letters = ink(button);
    const auto option = styleOption<QPushButton, QStyleOptionButton>(button);
    const QRect bevel = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    return {QStringLiteral(" | caption %1 wide | ink %2")
                .arg(QFontMetrics(button->font(), button).horizontalAdvance(caption))
                .arg(rect(inPoints(letters))),
            unless(inPixels(bevel).adjusted(1, 1, -1, -1).contains(letters), caption)};
}

// The number in a drop-down box, drawn whole: as big as where nothing is in its way, give or take
// a device pixel for where it falls between pixels.
Measured boxNumber(const QComboBox* box) {
    QLineEdit* field = box->lineEdit();
    const QRect digits = ink(field, QPalette::Base);
    const QSize whole = wholeInk(field->text(), field->font());
    const bool shownWhole =
        std::abs(digits.width() - whole.width()) <= 1 && std::abs(digits.height() - whole.height()) <= 1;
    return {QStringLiteral(" | number at %1 | ink %2").arg(rect(field->geometry()), rect(inPoints(digits))),
            unless(shownWhole, field->text())};
}

// An option button's caption is its choice label: the button itself shows its whole indicator.
Measured optionIndicator(const QRadioButton* option) {
    const auto style = styleOption<QRadioButton, QStyleOptionButton>(option);
    const QRect indicator = option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, option);
    return {QStringLiteral(" | indicator %1").arg(rect(indicator)),
            unless(option->rect().contains(indicator), QStringLiteral("indicator"))};
}

Measured measure(QWidget* control, ControlKind kind) {
    switch (kind) {
    case ControlKind::Label:
        if (static_cast<QLabel*>(control)->text().isEmpty()) return {};
        return labelText(static_cast<QLabel*>(control));
    case ControlKind::Button: return buttonCaption(static_cast<QPushButton*>(control));
    case ControlKind::ComboBox: return boxNumber(static_cast<QComboBox*>(control));
    case ControlKind::OptionButton: return optionIndicator(static_cast<QRadioButton*>(control));
    case ControlKind::TextBox:
    case ControlKind::Picture: return {};
    }
    return {};
}

// One line per control on show: its place and what it shows. What is cut off goes to `cutOff`.
QStringList describe(Program& p, const QString& moment, QStringList& cutOff) {
    QStringList lines;
    QWidget* window = p.window();
    lines << QStringLiteral("%1 | %2 | window %3x%4").arg(window->windowTitle(), moment).arg(window->width()).arg(window->height());
    for (const auto& row : layoutOf(p.current()->id()).controls) {
        const QByteArray name(row.name.data(), qsizetype(row.name.size()));
        QWidget* control = p.control(name.constData());
        if (control->isHidden()) continue;
        const Measured shown = measure(control, row.kind);
        lines << QStringLiteral("%1 | %2 | %3 | at %4").arg(window->windowTitle(), moment, name, rect(control->geometry())) +
                     shown.line;
        if (!shown.cutOff.isEmpty()) cutOff << lines.last() + QStringLiteral(" | cut off: ") + shown.cutOff.join("; ");
    }
    return lines;
}

struct Walk {
    QStringList lines;
    QStringList cutOff;
};

// The whole walk: every screen, every question, each after a wrong answer so that the correct
// answer and the reference are on show too.
Walk walk() {
    Program p;
    Walk w;
    w.lines = describe(p, QStringLiteral("open"), w.cutOff);
    p.click("cmdContinue");
    struct Quiz {
        ScreenId screen;
        const char* toResults;  // the button that leads on from its results screen
    };
    for (const Quiz quiz : {Quiz{ScreenId::frmBrivan, "Command2"}, Quiz{ScreenId::frmBrivanAnn, "Command2"},
                            Quiz{ScreenId::frmBrivanMem, nullptr}}) {
        for (int question = 1; p.isOn(quiz.screen); ++question) {
            p.click("cmdEnter");
            if (!p.isOn(quiz.screen)) break;
            if (quiz.screen != ScreenId::frmBrivanMem) p.control<QLineEdit>("txtAnswer")->setText(QStringLiteral("?"));
            p.click("cmdEnteranswer");
            w.lines += describe(p, QStringLiteral("question %1").arg(question), w.cutOff);
        }
        w.lines += describe(p, QStringLiteral("results"), w.cutOff);
        if (quiz.toResults) p.click(quiz.toResults);
    }
    return w;
}

qreal scale() { return brivan::testing::screenScale(); }

bool isWhole(qreal ratio) { return ratio == std::floor(ratio); }

// How far a measurement may lie from the same one at the other scale, in points, at each edge;
// none where it is not compared.
std::optional<int> tolerance(const QString& measurement, bool fractional) {
    const bool letters = measurement.startsWith(QStringLiteral("ink "));
    const bool text = measurement.startsWith(QStringLiteral("text ")) || measurement.startsWith(QStringLiteral("caption "));
#if defined(Q_OS_WIN)
    // On Windows the glyphs' advances are hinted to each pixel size (a line at 1x comes out up to
    // 2 % narrower than half of itself at 2x, and may then fit where it wraps at 2x), and under
    // Wine the style's indicators come from a theme drawn at one size whatever the scale. There
    // only the layout is compared; what is cut off is measured at each scale by itself.
    if (letters || text || measurement.startsWith(QStringLiteral("indicator "))) return std::nullopt;
#endif
    // Letters are drawn from outlines at each scale: their ink may move by a pixel.
    if (letters) return 2;
    // Text is measured in device pixels: a fractional scale rounds it to whole points either way.
    if (fractional && text) return 1;
    return 0;
}

// The edges of a box ("x,y wxh"), or the numbers of any other measurement.
QList<int> edges(const QString& measurement) {
    QList<int> n;
    for (const auto& number : QRegularExpression(QStringLiteral("-?\\d+")).globalMatch(measurement))
        n << number.captured().toInt();
    if (n.size() == 4) n = {n[0], n[1], n[0] + n[2] - 1, n[1] + n[3] - 1};
    return n;
}

bool near(const QString& mine, const QString& theirs, std::optional<int> tolerance) {
    if (!tolerance) return true;
    if (*tolerance == 0) return mine == theirs;
    const QList<int> a = edges(mine), b = edges(theirs);
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (std::abs(a[i] - b[i]) > *tolerance) return false;
    return true;
}

QImage asShown(const QPixmap& pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_ARGB32); }

QImage resource(const QString& path) { return QImage(path).convertToFormat(QImage::Format_ARGB32); }

QString atScale(const QString& path, qreal ratio) {
    if (ratio < 2) return path;
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}

}  // namespace

class ScalingTest : public QObject {
    Q_OBJECT

    Walk here;  // this run's walk, at its own scale

private slots:
    void initTestCase() { here = walk(); }

    void runsAtTheScaleAndOnThePlatformItWasGiven() {
        const qreal expected = qEnvironmentVariable("BRIVAN_TEST_SCALE", QStringLiteral("1")).toDouble();
        QCOMPARE(scale(), expected);
        if (qEnvironmentVariableIsSet("BRIVAN_TEST_PLATFORM"))
            QCOMPARE(QGuiApplication::platformName(), qEnvironmentVariable("BRIVAN_TEST_PLATFORM"));
        Program p;
        const QPixmap shot = p.window()->grab();
        QCOMPARE(shot.devicePixelRatio(), expected);
        QCOMPARE(shot.size(), QSize(761, 576) * expected);  // drawn with every device pixel
    }

    void nothingIsCutOffAtThisScale() {
        QVERIFY2(here.cutOff.isEmpty(), qPrintable(here.cutOff.join('\n')));
        QVERIFY(here.lines.size() > 3000);  // every question of every quiz was looked at
    }

    void everyScreenKeepsItsLayoutAndItsText() {
        const qreal other = scale() == 1 ? 2 : 1;
        QProcess copy;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(other));
        copy.setProcessEnvironment(env);
        copy.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--walk")});
        QVERIFY(copy.waitForFinished(120000));
        QCOMPARE(copy.exitCode(), 0);
        // (Split at "\r\n" as well: the copy writes its standard output in text mode on Windows.)
        const QStringList there = QString::fromUtf8(copy.readAllStandardOutput())
                                      .split(QRegularExpression(QStringLiteral("\r?\n")), Qt::SkipEmptyParts);
        QCOMPARE(there.size(), here.lines.size());
        const bool fractional = !isWhole(scale()) || !isWhole(other);
        int compared = 0;
        QStringList differ;  // all of them, for a picture of what moved
        for (qsizetype i = 0; i < there.size(); ++i) {
            const QStringList mine = here.lines[i].split(QStringLiteral(" | "));
            const QStringList theirs = there[i].split(QStringLiteral(" | "));
            QCOMPARE(mine.size(), theirs.size());
            for (qsizetype m = 0; m < mine.size(); ++m) {
                if (!near(mine[m], theirs[m], tolerance(mine[m], fractional)))
                    differ << here.lines[i] + "\n   at the other scale: " + there[i];
                compared += mine[m].startsWith(QStringLiteral("ink "));
            }
        }
        QVERIFY2(differ.isEmpty(), qPrintable(QString::number(differ.size()) + " differ:\n" + differ.join('\n')));
        QVERIFY(compared > 1000);  // every question of every quiz was looked at
    }

    void picturesAreDrawnFromTheirRenderingForThisScale() {
        Program p;
        // Above scale 1 the 2x rendering, drawn smaller where the scale is less.
        const qreal rendering = scale() > 1 ? 2 : 1;
        struct Shown {
            const char* control;
            QString resource;
            QSize points;
        };
        const auto check = [&](const Shown& shown) {
            const QPixmap pixmap = p.control<QLabel>(shown.control)->pixmap();
            QCOMPARE(pixmap.devicePixelRatio(), rendering);
            QCOMPARE(pixmap.deviceIndependentSize().toSize(), shown.points);  // the same size on screen
            QCOMPARE(pixmap.size(), shown.points * rendering);                // with every pixel of its rendering
            QCOMPARE(asShown(pixmap), resource(atScale(QStringLiteral(":/") + shown.resource, rendering)));  // compiled in under its name
            QCOMPARE(p.control(shown.control)->size(), shown.points);
        };
        check({"Image2", "logo.gif", {340, 80}});
        check({"Image3", "terms_heading.gif", {197, 18}});
        check({"imgBrivan", "disclaimer.gif", {534, 132}});
        p.click("cmdContinue");
        check({"imgBrivan", "aircraft.jpg", {360, 245}});
        check({"Image2", "logo.gif", {340, 80}});
    }

    void windowIconIsDrawnFromItsRenderingForThisScale() {
        Program p;
        p.click("cmdContinue");
        const qreal ratio = scale();
        if (!isWhole(ratio)) QSKIP("at a fractional scale the window system chooses between the icon's renderings");
        const QPixmap icon = p.window()->windowIcon().pixmap(QSize(32, 32), ratio);
        QCOMPARE(icon.size(), QSize(32, 32) * ratio);
        QCOMPARE(asShown(icon), resource(atScale(QStringLiteral(":/window_icon.png"), ratio)));
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    brivan::ui::preloadPictures();  // as the program starts: the pictures are read for the screen's scale
    if (argc == 2 && std::strcmp(argv[1], "--walk") == 0) {
        for (const QString& line : walk().lines) std::printf("%s\n", line.toUtf8().constData());
        return 0;
    }
    ScalingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "scaling_test.moc"

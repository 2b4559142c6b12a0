// The screens on a screen with two device pixels to the point (QT_SCALE_FACTOR=2) and at 96 dots per
// inch. CTest runs this program at both scales. Each run walks through every screen and every
// question, and compares what it lays out with the same walk made by a copy of itself at the other
// scale: window sizes, control positions, where each label's text falls and where its letters are
// drawn. Pictures and the window icon must come from the "@2x" renderings at scale 2, and from the
// ordinary ones, untouched, at scale 1.
#include <QComboBox>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "support/layouts.h"
#include "support/program.h"
#include "ui/layouts/layouts.h"

using brivan::testing::layoutOf;
using brivan::testing::Program;
using brivan::ui::ControlKind;
using brivan::ui::Layout;
using brivan::ui::ScreenId;

namespace {

QString rect(const QRect& r) { return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()); }

// Where the letters of a label are drawn, in points: the box around every pixel that differs from
// its background, found in the label's own rendering at the screen's scale.
QRect ink(QLabel* label) {
    const QPixmap shot = label->grab();
    const QImage image = shot.toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb back = label->palette().color(QPalette::Window).rgb();
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & 0xFFFFFF) == (back & 0xFFFFFF)) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0) return {};
    const qreal ratio = shot.devicePixelRatio();
    return QRect(QPoint(int(left / ratio), int(top / ratio)), QPoint(int(right / ratio), int(bottom / ratio)));
}

// One line per control on show: its place, and for a label where its text falls (a box taller
// than the label means text cut off at the bottom) and where its letters are drawn.
QStringList describe(Program& p, const QString& moment) {
    QStringList lines;
    QWidget* window = p.window();
    lines << QStringLiteral("%1 | %2 | window %3x%4").arg(window->windowTitle(), moment).arg(window->width()).arg(window->height());
    for (const auto& row : layoutOf(p.current()->id()).controls) {
        const QByteArray name(row.name.data(), qsizetype(row.name.size()));
        QWidget* control = p.control(name.constData());
        if (control->isHidden()) continue;
        QString line = QStringLiteral("%1 | %2 | %3 | at %4").arg(window->windowTitle(), moment, name, rect(control->geometry()));
        if (row.kind == ControlKind::Label) {
            auto* label = static_cast<QLabel*>(control);
            if (!label->text().isEmpty()) {
                const QRect text = QFontMetrics(label->font(), label)
                                       .boundingRect(label->contentsRect(), int(label->alignment()) | Qt::TextWordWrap,
                                                     label->text());
                line += QStringLiteral(" | text %1 | ink %2").arg(rect(text), rect(ink(label)));
            }
        } else if (row.kind == ControlKind::Button) {
            auto* button = static_cast<QPushButton*>(control);
            QString caption = button->text();
            caption.remove(QLatin1Char('&'));
            line += QStringLiteral(" | caption %1 wide").arg(QFontMetrics(button->font(), button).horizontalAdvance(caption));
        }
        lines << line;
    }
    return lines;
}

// The whole walk: every screen, every question, each after a wrong answer so that the correct
// answer and the reference are on show too.
QStringList walk() {
    Program p;
    QStringList lines = describe(p, QStringLiteral("open"));
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
            lines += describe(p, QStringLiteral("question %1").arg(question));
        }
        lines += describe(p, QStringLiteral("results"));
        if (quiz.toResults) p.click(quiz.toResults);
    }
    return lines;
}

qreal scale() { return qApp->devicePixelRatio(); }

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

private slots:
    void runsAtTheScaleItWasGiven() {
        const qreal expected = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
        QCOMPARE(scale(), expected);
        Program p;
        const QPixmap shot = p.window()->grab();
        QCOMPARE(shot.devicePixelRatio(), expected);
        QCOMPARE(shot.size(), QSize(761, 576) * expected);  // drawn with every device pixel
    }

    void everyScreenKeepsItsLayoutAndItsText() {
        const qreal other = scale() >= 2 ? 1 : 2;
        QProcess copy;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(other));
        copy.setProcessEnvironment(env);
        copy.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--walk")});
        QVERIFY(copy.waitForFinished(120000));
        QCOMPARE(copy.exitCode(), 0);
        const QStringList there = QString::fromUtf8(copy.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        const QStringList here = walk();
        QCOMPARE(there.size(), here.size());
        int compared = 0;
        for (qsizetype i = 0; i < here.size(); ++i) {
            // Letters are drawn from outlines at each scale: their ink may move by a pixel. All
            // else must be equal.
            const QString mine = here[i].section(QStringLiteral(" | ink "), 0, 0);
            const QString theirs = there[i].section(QStringLiteral(" | ink "), 0, 0);
            QCOMPARE(mine, theirs);
            if (!here[i].contains(QStringLiteral(" | ink "))) continue;
            const auto box = [](const QString& line) {
                const QStringList n = line.section(QStringLiteral(" | ink "), 1).split(QRegularExpression("[ ,x]"));
                return QRect(n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt());
            };
            const QRect a = box(here[i]), b = box(there[i]);
            const bool close = std::abs(a.left() - b.left()) <= 2 && std::abs(a.top() - b.top()) <= 2 &&
                               std::abs(a.right() - b.right()) <= 2 && std::abs(a.bottom() - b.bottom()) <= 2;
            QVERIFY2(close, qPrintable(here[i] + "\n   at the other scale: " + there[i]));
            ++compared;
        }
        QVERIFY(compared > 1000);  // every question of every quiz was looked at
    }

    void picturesAreDrawnFromTheirRenderingForThisScale() {
        Program p;
        const qreal ratio = scale();
        struct Shown {
            const char* control;
            QString resource;
            QSize points;
        };
        const auto check = [&](const Shown& shown) {
            const QPixmap pixmap = p.control<QLabel>(shown.control)->pixmap();
            QCOMPARE(pixmap.devicePixelRatio(), ratio);
            QCOMPARE(pixmap.deviceIndependentSize().toSize(), shown.points);  // the same size on screen
            QCOMPARE(pixmap.size(), shown.points * ratio);                    // with every device pixel drawn
            QCOMPARE(asShown(pixmap), resource(atScale(shown.resource, ratio)));
            QCOMPARE(p.control(shown.control)->size(), shown.points);
        };
        check({"Image2", ":/logo.gif", {340, 80}});
        check({"Image3", ":/terms_heading.gif", {197, 18}});
        check({"imgBrivan", ":/disclaimer.gif", {534, 132}});
        p.click("cmdContinue");
        check({"imgBrivan", ":/aircraft.jpg", {360, 245}});
        check({"Image2", ":/logo.gif", {340, 80}});
    }

    void windowIconIsDrawnFromItsRenderingForThisScale() {
        Program p;
        p.click("cmdContinue");
        const qreal ratio = scale();
        const QPixmap icon = p.window()->windowIcon().pixmap(QSize(32, 32), ratio);
        QCOMPARE(icon.size(), QSize(32, 32) * ratio);
        QCOMPARE(asShown(icon), resource(atScale(QStringLiteral(":/window_icon.png"), ratio)));
    }
};

int main(int argc, char* argv[]) {
    if (argc == 2 && std::strcmp(argv[1], "--walk") == 0) {
        QApplication app(argc, argv);
        for (const QString& line : walk()) std::printf("%s\n", line.toUtf8().constData());
        return 0;
    }
    QApplication app(argc, argv);
    ScalingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "scaling_test.moc"

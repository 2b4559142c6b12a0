// The desktop side of the differential test (diff_test.py): the whole program on Qt's offscreen
// platform, playing pilot actions read as JSON lines on standard input and answering each with
// what a pilot sees then, as one JSON line. With --generate it writes a seeded list of actions
// instead, as JSON lines, from the same generator as the long random walk.
//
//   diff_driver_qt --generate SEED COUNT
//   diff_driver_qt            then, on standard input, one action a line:
//     {"op":"click","name":N}  {"op":"point","at":[X,Y]}  {"op":"close"}  {"op":"restart"}
//     {"op":"key","key":"Tab"|"Enter"|"Escape"|" "|"ArrowUp"|...|"a"|"5","shift":B,"alt":B}
//     {"op":"type","name":N,"text":T,"keys":B}  {"op":"choose","name":N,"item":K}  {"op":"state"}
#include <QApplication>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <cstdio>
#include <iostream>
#include <memory>
#include <random>
#include <string>

#include "support/program.h"
#include "ui/caption.h"
#include "support/random_actions.h"
#include "ui/qt/form_window.h"

using namespace brivan::testing;
using brivan::ui::ControlKind;

namespace {

const char* kindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label: return "label";
    case ControlKind::TextBox: return "text";
    case ControlKind::ComboBox: return "combo";
    case ControlKind::OptionButton: return "option";
    case ControlKind::Button: return "button";
    case ControlKind::Picture: return "picture";
    }
    return "?";
}

QString hex(const QColor& c) { return c.name(QColor::HexRgb); }

QString name(const brivan::ui::ControlSpec& row) { return QString::fromUtf8(row.name.data(), qsizetype(row.name.size())); }

void generate(unsigned seed, unsigned count) {
    std::mt19937 rng(seed);
    for (unsigned i = 0; i < count; ++i) {
        const Action a = randomAction(rng);
        QJsonObject line{{"kind", kindName(a.kind)}, {"pick", double(a.pick)}};
        if (a.kind == Kind::Type) {
            line["text"] = QString::fromStdString(a.text);
            line["keys"] = typedKeyByKey(a);
        }
        if (a.kind == Kind::Tab) line["forward"] = tabForward(a);
        if (a.kind == Kind::Arrow) line["arrow"] = int(arrowOf(a));
        if (a.kind == Kind::Key) line["key"] = QString(QChar(keyOf(a)));
        if (a.kind == Kind::Choose) line["item"] = double(itemOf(a));
        if (a.kind == Kind::NextRun) line["presses"] = double(pressesOf(a));
        std::cout << QJsonDocument(line).toJson(QJsonDocument::Compact).toStdString() << '\n';
    }
}

class Player {
public:
    void perform(const QJsonObject& a) {
        const QString op = a["op"].toString();
        if (op == "restart") {
            program_.reset();
            Program::settle();
            program_ = std::make_unique<Program>();
            return;
        }
        if (op == "state" || !program_->current()) return;
        QWidget* window = program_->window();
        QWidget* control = a.contains("name") ? form().control(a["name"].toString().toStdString()) : nullptr;
        if (op == "click" || op == "point") {
            // Through the window, at a point of its client area, as a pilot clicks: whatever the
            // window has there takes the click. A named control is clicked in its middle.
            const QJsonArray at = a["at"].toArray();
            const QPoint point = op == "point" ? QPoint(at[0].toInt(), at[1].toInt())
                                               : control->mapTo(window, control->rect().center());
            QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, point);
        } else if (op == "close") {
            window->close();
        } else if (op == "key") {
            key(a["key"].toString(), a["shift"].toBool(), a["alt"].toBool());
        } else if (op == "type") {
            auto* combo = qobject_cast<QComboBox*>(control);
            QLineEdit* edit = combo ? combo->lineEdit() : static_cast<QLineEdit*>(control);
            edit->setFocus();
            if (a["keys"].toBool()) {
                edit->selectAll();
                QTest::keyClicks(edit, a["text"].toString());
            } else {
                edit->setText(a["text"].toString());  // pasted
            }
        } else if (op == "choose") {
            auto* combo = static_cast<QComboBox*>(control);
            combo->setFocus();
            combo->setCurrentIndex(a["item"].toInt());
        } else {
            std::fprintf(stderr, "diff_driver_qt: unknown action %s\n", qPrintable(op));
            std::exit(2);
        }
        Program::settle();
    }

    // What a pilot sees: the open windows, the open screen's back colour and every control of it,
    // the focus and the text selected there, the beeps since the start and whether the program
    // has ended.
    QJsonObject state() const {
        QJsonObject s;
        QJsonArray windows;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->windowType() != Qt::Popup) windows.append(w->windowTitle());
        s["windows"] = windows;
        s["beeps"] = program_->platform.beeps;
        s["ended"] = program_->navigator->ended();
        s["focus"] = focusName();
        s["selection"] = selectionInFocus();
        QJsonArray controls;
        if (program_->current()) {
            s["back"] = hex(static_cast<const brivan::ui::FormWindow*>(form().window())->back);
            for (const brivan::ui::ControlSpec& row : form().layout().controls) {
                QWidget* w = form().control(row.name);
                const QPoint at = w->mapTo(program_->window(), QPoint(0, 0));
                QJsonObject c{{"name", name(row)},
                              {"kind", kindName(row.kind)},
                              {"visible", w->isVisible()},
                              {"rect", QJsonArray{at.x(), at.y(), w->width(), w->height()}}};
                QWidget* drawn = w;  // the widget whose palette colours are drawn
                switch (row.kind) {
                case ControlKind::Label:
                    c["text"] = static_cast<QLabel*>(w)->text();
                    c["bold"] = w->font().bold();
                    break;
                case ControlKind::TextBox: c["text"] = static_cast<QLineEdit*>(w)->text(); break;
                case ControlKind::ComboBox:
                    c["text"] = static_cast<QComboBox*>(w)->currentText();
                    c["items"] = static_cast<QComboBox*>(w)->count();
                    drawn = static_cast<QComboBox*>(w)->lineEdit();
                    break;
                case ControlKind::Button: {
                    // What the button shows, read from the widget as Qt reads its caption.
                    const brivan::ui::Caption caption = brivan::ui::readCaption(static_cast<QPushButton*>(w)->text().toStdString());
                    c["text"] = QString::fromStdString(caption.shown);
                    c["key"] = caption.key ? QString(QChar(caption.key)) : QString();
                    break;
                }
                case ControlKind::OptionButton: c["checked"] = static_cast<QRadioButton*>(w)->isChecked(); break;
                case ControlKind::Picture: break;
                }
                // Option buttons and pictures draw no colour of the screen's.
                if (row.kind != ControlKind::OptionButton && row.kind != ControlKind::Picture) {
                    c["fore"] = hex(drawn->palette().color(drawn->foregroundRole()));
                    c["back"] = hex(drawn->palette().color(drawn->backgroundRole()));
                }
                controls.append(c);
            }
        }
        s["controls"] = controls;
        return s;
    }

private:
    const brivan::ui::QtWindow& form() const { return brivan::ui::QtWindow::of(program_->current()->form()); }

    // The control that has the focus, by name; a drop-down box's line edit counts as the box.
    QString focusName() const {
        if (!program_->current()) return {};
        for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget())
            for (const brivan::ui::ControlSpec& row : form().layout().controls)
                if (form().control(row.name) == w) return name(row);
        return {};
    }

    // The text selected in the box that has the focus (a drop-down box keeps the focus itself and
    // hands its events on to its line edit).
    QString selectionInFocus() const {
        QWidget* focus = QApplication::focusWidget();
        if (!focus || !program_->current() || focus->window() != program_->window()) return {};
        if (auto* box = qobject_cast<QComboBox*>(focus); box && box->lineEdit()) return box->lineEdit()->selectedText();
        if (auto* edit = qobject_cast<QLineEdit*>(focus)) return edit->selectedText();
        return {};
    }

    void key(const QString& name, bool shift, bool alt) {
        QWidget* target = QApplication::focusWidget();
        if (!target || target->window() != program_->window()) target = program_->window();
        const Qt::KeyboardModifiers modifiers = (shift ? Qt::ShiftModifier : Qt::NoModifier) |
                                                (alt ? Qt::AltModifier : Qt::NoModifier);
        static const QHash<QString, Qt::Key> named = {
            {"Tab", Qt::Key_Tab},     {"Enter", Qt::Key_Return},  {"Escape", Qt::Key_Escape},
            {" ", Qt::Key_Space},     {"ArrowUp", Qt::Key_Up},    {"ArrowDown", Qt::Key_Down},
            {"ArrowLeft", Qt::Key_Left}, {"ArrowRight", Qt::Key_Right}};
        if (name == "Tab" && shift) {
            QTest::keyClick(target, Qt::Key_Backtab, modifiers);
        } else if (named.contains(name)) {
            QTest::keyClick(target, named[name], modifiers);
        } else if (alt) {  // an access key: Alt with the letter's key, no character typed
            QTest::keyClick(target, Qt::Key(name.at(0).toUpper().unicode()), modifiers);
        } else {
            QTest::keyClick(target, name.at(0).toLatin1(), modifiers);
        }
    }

    std::unique_ptr<Program> program_ = std::make_unique<Program>();
};

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--generate") {
        generate(unsigned(std::stoul(argv[2])), unsigned(std::stoul(argv[3])));
        return 0;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "1");
    QApplication app(argc, argv);
    Player player;
    std::string line;
    while (std::getline(std::cin, line)) {
        if (line.empty()) continue;
        player.perform(QJsonDocument::fromJson(QByteArray::fromStdString(line)).object());
        std::cout << QJsonDocument(player.state()).toJson(QJsonDocument::Compact).toStdString() << std::endl;
    }
    return 0;
}

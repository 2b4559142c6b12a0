#pragma once
// The whole program on the offscreen platform, started on the terms screen, with helpers to read
// what the open window shows and to press keys on it as a pilot would.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWidget>
#include <memory>
#include <string>

#include "shell/navigator.h"
#include "support/counting_platform.h"
#include "ui/qt/qt_window.h"

namespace brivan::testing {

class Program {
public:
    Program() : navigator(std::make_unique<shell::Navigator>(platform)) { navigator->start(); settle(); }
    ~Program() {
        navigator.reset();
        settle();
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    CountingPlatform platform;
    std::unique_ptr<shell::Navigator> navigator;

    ui::Screen* current() const { return navigator->current(); }
    bool isOn(ui::ScreenId id) const { return current() && current()->id() == id; }

    template <class ScreenClass>
    ScreenClass& screen(ui::ScreenId id) {
        return static_cast<ScreenClass&>(navigator->screen(id));
    }

    QWidget* window() const { return current() ? ui::QtWindow::of(current()->form()).window() : nullptr; }

    template <class W = QWidget>
    W* control(const char* name) const {
        return static_cast<W*>(ui::QtWindow::of(current()->form()).control(name));
    }

    QString caption(const char* label) const { return control<QLabel>(label)->text(); }

    // Processes pending events, deferred deletes included, so that unloaded windows are gone.
    static void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    void click(const char* button) {
        QTest::mouseClick(control<QAbstractButton>(button), Qt::LeftButton);
        settle();
    }

    // A key press as the pilot makes it: to whatever has the focus in the open window.
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        if (!target || target->window() != window()) target = window();
        QTest::keyClick(target, key, modifiers);
        settle();
    }

    void type(const QString& text) {
        QTest::keyClicks(QApplication::focusWidget(), text);
        settle();
    }

    QString focusName() const {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString();
    }

    // Windows of the program that a pilot can see (a combo box's hidden popup is not one).
    static int visibleWindows() {
        int count = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->windowType() != Qt::Popup) ++count;
        return count;
    }
};

}  // namespace brivan::testing

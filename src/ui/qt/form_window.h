#pragma once
// The real window of a loaded screen (inside the screen layer only).
#include <QCloseEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QPainter>
#include <functional>

namespace brivan::ui {

// The real window of a screen. A dialog, because only a dialog has a default button; but Escape
// presses the cancel button (or nothing) instead of hiding it, and the frame's close unloads it.
class FormWindow final : public QDialog {
public:
    FormWindow() : QDialog(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                        Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {}

    std::function<void()> frameClose;
    bool hasDefault = false;
    QColor back;

    void reject() override {}

protected:
    // The back colour is painted here rather than set in the window's palette: a palette of its own
    // would give every control of every new window a new palette, and the style's pixmap cache,
    // keyed by palette, would fill up with a copy of each button at every move.
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), back); }

    // A focused button presses itself on Enter. Elsewhere Enter presses the default button, and on
    // a screen without one it presses nothing: the dialog would otherwise adopt the first button
    // that ever had the focus as its default.
    void keyPressEvent(QKeyEvent* event) override {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && !hasDefault) {
            event->accept();
            return;
        }
        QDialog::keyPressEvent(event);
    }

    void closeEvent(QCloseEvent* event) override {
        event->ignore();  // the handler unloads the screen, which closes the window
        if (frameClose) {
            auto handler = frameClose;  // the handler may destroy this window's Form
            handler();
        }
    }
};

}  // namespace brivan::ui

#include "ui/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace brivan::ui {

QPoint centredFramePosition(QSize client, QMargins frame, QRect workArea) {
    QRect whole = QRect(QPoint(), client).marginsAdded(frame);
    whole.moveCenter(workArea.center());
    return {std::max(whole.left(), workArea.left()), std::max(whole.top(), workArea.top())};
}

void centreOnScreen(QWidget* window) {
    window->winId();  // makes the native window, whose frame the platform may know before it is shown
    const QWindow* handle = window->windowHandle();
    const QScreen* screen = handle ? handle->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QMargins frame = handle ? handle->frameMargins() : QMargins();
    // A window's position is its frame's.
    window->move(centredFramePosition(window->size(), frame, screen->availableGeometry()));
}

}  // namespace brivan::ui

#include "ui/qt/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace brivan::ui {

QPoint centredFramePosition(QSize client, QMargins frame, QRect workArea) {
    QRect whole = QRect(QPoint(), client).marginsAdded(frame);
    whole.moveCenter(workArea.center());
    return framePositionOnWorkArea(whole, workArea);
}

QPoint framePositionOnWorkArea(QRect whole, QRect workArea) {
    // Left and up to end inside the work area, then right and down to begin inside it: the title
    // bar wins over the foot.
    const int left = std::max(std::min(whole.left(), workArea.right() + 1 - whole.width()), workArea.left());
    const int top = std::max(std::min(whole.top(), workArea.bottom() + 1 - whole.height()), workArea.top());
    return {left, top};
}

void placeOnScreen(QWidget* window, bool centred) {
    window->winId();  // makes the native window: where the platform places it, it is placed now
    const QWindow* handle = window->windowHandle();
    const QScreen* screen = handle ? handle->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QMargins frame = handle ? handle->frameMargins() : QMargins();
    const QRect area = screen->availableGeometry();
    // A window's position is its frame's.
    if (centred) {
        window->move(centredFramePosition(window->size(), frame, area));
    } else if (!frame.isNull()) {
        const QRect whole = handle->frameGeometry();
        const QPoint kept = framePositionOnWorkArea(whole, area);
        if (kept != whole.topLeft()) window->move(kept);
    }
}

}  // namespace brivan::ui

#pragma once
// Where a screen's window opens. A centred screen opens with its whole window, title bar and
// borders included, in the middle of the screen's work area; the terms screen opens where the
// desktop puts a new window. Either way, where the platform tells before the window is shown, the
// whole window is kept on the work area, and a window larger than the work area keeps its title
// bar on it, where the pilot can take it and move it.
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace brivan::ui {

// The top-left corner of the whole window, for a client area of CLIENT size with FRAME around it.
QPoint centredFramePosition(QSize client, QMargins frame, QRect workArea);

// The top-left corner of the whole window WHOLE, moved no further than needed onto the work area.
QPoint framePositionOnWorkArea(QRect whole, QRect workArea);

// Places WINDOW as above, before it is shown: centred, or where the desktop put it and kept on the
// work area. The frame is known before the window is shown on Windows;
// elsewhere it counts as none, and the window manager keeps windows on the screen.
void placeOnScreen(QWidget* window, bool centred);

}  // namespace brivan::ui

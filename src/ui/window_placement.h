#pragma once
// Where a screen's window opens: the whole window, title bar and borders included, in the middle
// of the screen's work area; a window larger than the work area keeps its title bar on it, where
// the pilot can take it and move it.
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace brivan::ui {

// The top-left corner of the whole window, for a client area of CLIENT size with FRAME around it.
QPoint centredFramePosition(QSize client, QMargins frame, QRect workArea);

// Places WINDOW so, with the frame the platform reports for it: known before the window is shown on
// Windows and in the browser; elsewhere known only once it is shown, and counted as none until then.
void centreOnScreen(QWidget* window);

}  // namespace brivan::ui

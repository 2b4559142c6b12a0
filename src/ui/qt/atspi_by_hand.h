#pragma once
// The AT-SPI events that Qt's bridge leaves out on Linux (Qt 6.4 and 6.8), sent by hand on Qt's own
// connection to the accessibility bus, as Qt sends its events (inside the screen layer only).
class QWidget;

namespace brivan::ui::atspi {

// CONTROL, hidden before, is shown: Qt tells AT-SPI that it is showing, never that it is visible
// again, and the screen reader's copy of its state keeps it out of review until it is.
void tellVisibleAgain(QWidget* control);

// Has the screen reader told of the window that is active when the accessibility bridge comes up.
// Qt tells AT-SPI of a window's activation only when it sees the window activated with its bridge
// already up; a window activated a moment before (the bridge connects while the first window
// opens, or the pilot turns the screen reader on later) would never be announced, and the screen
// reader would stay silent until the focus moved. Installed once.
void announceWindowActiveBeforeTheBridge();

}  // namespace brivan::ui::atspi

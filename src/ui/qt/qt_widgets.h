#pragma once
// The Qt widget of each kind of control in the tables (inside the screen layer only).
#include "ui/layout.h"

class QWidget;

namespace brivan::ui {

// The widget of ROW in WINDOW, at its place and size, with its text, font and tool tip, and
// marked for the screen reader as the shared layer says it is read.
QWidget* makeWidget(const ControlSpec& row, QWidget* window);

}  // namespace brivan::ui

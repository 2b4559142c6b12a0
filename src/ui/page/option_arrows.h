#pragma once
// Where an arrow key moves among a window's option buttons, as the desktop moves it: to the
// nearest option in the arrow's direction, the one straight above or below (or beside) first.
#include <span>

#include "ui/layout.h"

namespace brivan::ui {

// Of OPTIONS (the window's other shown option buttons), the one the arrow (DX, DY: -1, 0 or 1)
// moves to from FROM; none where no option lies that way.
const ControlSpec* optionInDirection(const ControlSpec& from, std::span<const ControlSpec* const> options, int dx,
                                     int dy);

}  // namespace brivan::ui

#pragma once
// Turning the screens' colour values into Qt colours (inside the screen layer only).
#include <QColor>

#include "ui/colour.h"

class QWidget;

namespace brivan::ui {

// The scheme's colours come from the application's palette, so they follow the desktop's scheme.
QColor toQColor(Colour colour);

// A label's text and back colours, in one palette change.
void applyColours(QWidget* widget, Colour fore, Colour back);

}  // namespace brivan::ui

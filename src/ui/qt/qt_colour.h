#pragma once
// Turning the screens' colour values into Qt colours (inside the screen layer only).
#include <QColor>
#include <QPalette>

#include "ui/colour.h"

namespace brivan::ui {

// System colours come from the application's palette, so they follow the desktop's scheme.
QColor toQColor(Colour colour);

// Sets a widget's colour role and remembers the value as set, so that it can be read back.
void applyColour(QWidget* widget, QPalette::ColorRole role, Colour colour);
// Both colours of a label at once: one palette change instead of two.
void applyColours(QWidget* widget, Colour fore, Colour back);
Colour appliedColour(const QWidget* widget, QPalette::ColorRole role, Colour fallback);

}  // namespace brivan::ui

#pragma once
// The desktop's screen backend: Qt Widgets, Qt 6.4 (Debian 12) to 6.8 (Debian 13, Windows). What
// it implements of the contract in ui/backend.h, and what the program's main calls before the
// first screen opens.
//
// Implemented:
//  [x] Window: a QDialog per screen (qt_window.cpp), each control a widget (qt_widgets.cpp):
//      QLabel (plain text, word-wrapped, opaque), QLineEdit, an editable QComboBox that keeps what
//      is typed, QRadioButton, QPushButton, QLabel with a picture.
//  [x] Keys: Tab order, Enter on the default or the focused button, Escape on the cancel button
//      (an open list takes it first), access keys pressing at once, Alt with another letter typing
//      nothing into a box.
//  [x] The frame: its close unloads the screen; windows centred with their frame on the work area
//      (window_placement.cpp); the display scale fitted to the work area on Windows
//      (display_scale.cpp).
//  [x] Colours: the scheme's from the application's palette (qt_colour.cpp); fonts through
//      ui/look.h's faces, the first installed (fonts.cpp); pictures compiled in, the rendering at
//      twice the size above one device pixel to the point (pictures.cpp).
//  [x] Voice: Qt 6.8's announcement (AT-SPI, UI Automation); before Qt 6.8 a notification object
//      whose showing is raised by hand (AT-SPI only) (accessibility.cpp).
//  [x] Platform: QApplication's beep and exit (qt_platform.cpp).
//  [ ] macOS: built by the same CMake, never run here.
#include "ui/qt/display_probe.h"
#include "ui/qt/display_scale.h"
#include "ui/qt/font_warm_up.h"
#include "ui/qt/pictures.h"
#include "ui/qt/qt_platform.h"

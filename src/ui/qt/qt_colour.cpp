#include "ui/qt/qt_colour.h"

#include <QApplication>
#include <QWidget>

namespace brivan::ui {

namespace {

QPalette::ColorRole schemeRole(Colour colour) {
    switch (colour) {
    case colours::MenuBar: return QPalette::Window;  // no role of its own outside menus
    case colours::WindowBackground: return QPalette::Base;
    case colours::WindowText: return QPalette::Text;
    case colours::TitleBarText: return QPalette::HighlightedText;  // the active title bar's text
    case colours::ActiveBorder: return QPalette::Window;           // no role of its own
    case colours::ButtonFace: return QPalette::Button;
    case colours::ButtonText: return QPalette::ButtonText;
    default: return QPalette::Window;
    }
}

}  // namespace

QColor toQColor(Colour colour) {
    if (isSystemColour(colour)) return QApplication::palette().color(QPalette::Active, schemeRole(colour));
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

void applyColours(QWidget* widget, Colour fore, Colour back) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, toQColor(fore));
    palette.setColor(QPalette::Window, toQColor(back));
    widget->setPalette(palette);
}

}  // namespace brivan::ui

#include "ui/qt/qt_colour.h"

#include <QApplication>
#include <QVariant>
#include <QWidget>

namespace brivan::ui {

namespace {

QPalette::ColorRole systemRole(Colour colour) {
    switch (colour & 0xFF) {
    case 0x04: return QPalette::Window;           // menu bar: no role of its own outside menus
    case 0x05: return QPalette::Base;             // window background
    case 0x08: return QPalette::Text;             // window text
    case 0x09: return QPalette::HighlightedText;  // active title-bar text
    case 0x0A: return QPalette::Window;           // active border: no role of its own
    case 0x0F: return QPalette::Button;           // button face
    case 0x12: return QPalette::ButtonText;       // button text
    default: return QPalette::Window;
    }
}

const char* propertyName(QPalette::ColorRole role) {
    return role == QPalette::WindowText ? "brivanFore" : "brivanBack";
}

}  // namespace

QColor toQColor(Colour colour) {
    if (isSystemColour(colour)) return QApplication::palette().color(QPalette::Active, systemRole(colour));
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

void applyColour(QWidget* widget, QPalette::ColorRole role, Colour colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, toQColor(colour));
    widget->setPalette(palette);
    widget->setProperty(propertyName(role), QVariant::fromValue(uint(colour)));
}

void applyColours(QWidget* widget, Colour fore, Colour back) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, toQColor(fore));
    palette.setColor(QPalette::Window, toQColor(back));
    widget->setPalette(palette);
    widget->setProperty(propertyName(QPalette::WindowText), QVariant::fromValue(uint(fore)));
    widget->setProperty(propertyName(QPalette::Window), QVariant::fromValue(uint(back)));
}

Colour appliedColour(const QWidget* widget, QPalette::ColorRole role, Colour fallback) {
    const QVariant value = widget->property(propertyName(role));
    return value.isValid() ? Colour(value.toUInt()) : fallback;
}

}  // namespace brivan::ui

#include "ui/qt/qt_control.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "ui/look.h"
#include "ui/qt/accessibility.h"
#include "ui/qt/qt_colour.h"
#include "ui/qt/qt_text.h"

namespace brivan::ui {

QtControl::QtControl(QWidget* widget, const ControlSpec& row) : w_(widget), kind_(row.kind) {
    const ColourPair start = startColours(row);
    fore_ = start.fore;
    back_ = start.back;
    // A label is drawn in its colours; the other controls in the palette's, which are the same.
    if (kind_ == ControlKind::Label) applyColours(w_, fore_, back_);
}

std::string QtControl::text() const {
    switch (kind_) {
    case ControlKind::Label: return static_cast<QLabel*>(w_)->text().toStdString();
    case ControlKind::TextBox: return static_cast<QLineEdit*>(w_)->text().toStdString();
    case ControlKind::ComboBox: return static_cast<QComboBox*>(w_)->currentText().toStdString();
    case ControlKind::Button: return static_cast<QPushButton*>(w_)->text().toStdString();
    case ControlKind::OptionButton:
    case ControlKind::Picture: return {};
    }
    return {};
}

void QtControl::setText(std::string_view text) {
    switch (kind_) {
    case ControlKind::Label: static_cast<QLabel*>(w_)->setText(qs(text)); break;
    case ControlKind::TextBox: static_cast<QLineEdit*>(w_)->setText(qs(text)); break;
    case ControlKind::ComboBox: static_cast<QComboBox*>(w_)->setEditText(qs(text)); break;
    case ControlKind::Button: static_cast<QPushButton*>(w_)->setText(qs(text)); break;
    case ControlKind::OptionButton:
    case ControlKind::Picture: break;
    }
}

void QtControl::setForeColor(Colour colour) {
    fore_ = colour;
    applyColours(w_, fore_, back_);
}
void QtControl::setBackColor(Colour colour) {
    back_ = colour;
    applyColours(w_, fore_, back_);
}

// A control that appears is made known to the screen reader as visible again.
void QtControl::setVisible(bool visible) {
    const bool appears = visible && w_->isHidden();
    w_->setVisible(visible);
    if (appears) speech::shown(w_);
}

void QtControl::setBold(bool bold) {
    QFont font = w_->font();
    font.setBold(bold);
    w_->setFont(font);
}

bool QtControl::isChecked() const { return kind_ == ControlKind::OptionButton && static_cast<QRadioButton*>(w_)->isChecked(); }

void QtControl::clearChoice() {
    if (kind_ != ControlKind::OptionButton) return;
    // An auto-exclusive radio refuses to be unchecked; setChecked raises toggled, never clicked.
    auto* option = static_cast<QRadioButton*>(w_);
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
}

void QtControl::setSpokenName(const std::string& name) {
    const QString n = QString::fromStdString(name);
    if (w_->accessibleName() != n) w_->setAccessibleName(n);  // Qt announces the change
}

void QtControl::setSpokenDescription(const std::string& description) {
    w_->setAccessibleDescription(QString::fromStdString(description));
}

}  // namespace brivan::ui

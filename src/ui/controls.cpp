#include "ui/controls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "ui/accessibility.h"
#include "ui/qt_colour.h"

namespace brivan::ui {

namespace {
QString qs(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }
std::string str(const QString& text) { return text.toStdString(); }

// Shows or hides a control; one that appears is made known to the screen reader as visible again.
void setShown(QWidget* control, bool visible) {
    const bool appears = visible && control->isHidden();
    control->setVisible(visible);
    if (appears) speech::shown(control);
}
}  // namespace

std::string Label::caption() const { return str(w_->text()); }
void Label::setCaption(std::string_view text) const {
    w_->setText(qs(text));
    speech::captionSet(w_);
}
Colour Label::foreColor() const { return appliedColour(w_, QPalette::WindowText, colours::ButtonText); }
void Label::setForeColor(Colour colour) const { applyColour(w_, QPalette::WindowText, colour); }
Colour Label::backColor() const { return appliedColour(w_, QPalette::Window, colours::ButtonFace); }
void Label::setBackColor(Colour colour) const {
    applyColour(w_, QPalette::Window, colour);
    speech::backColourSet(w_);
}
bool Label::isVisible() const { return !w_->isHidden(); }
void Label::setVisible(bool visible) const { setShown(w_, visible); }
bool Label::isBold() const { return w_->font().bold(); }
void Label::setBold(bool bold) const {
    QFont font = w_->font();
    font.setBold(bold);
    w_->setFont(font);
}

std::string TextBox::text() const { return str(w_->text()); }
void TextBox::setText(std::string_view text) const { w_->setText(qs(text)); }
void TextBox::setFocus() const { w_->setFocus(Qt::OtherFocusReason); }

std::string ComboBox::text() const { return str(w_->currentText()); }
void ComboBox::setText(std::string_view text) const { w_->setEditText(qs(text)); }
bool ComboBox::isVisible() const { return !w_->isHidden(); }
void ComboBox::setVisible(bool visible) const { setShown(w_, visible); }

bool OptionButton::isVisible() const { return !w_->isHidden(); }
void OptionButton::setVisible(bool visible) const { setShown(w_, visible); }
bool OptionButton::isSelected() const { return w_->isChecked(); }
void OptionButton::clearSelection() const {
    // An auto-exclusive radio refuses to be unchecked; setChecked raises toggled, never clicked.
    w_->setAutoExclusive(false);
    w_->setChecked(false);
    w_->setAutoExclusive(true);
}

std::string Button::caption() const { return str(w_->text()); }
void Button::setFocus() const { w_->setFocus(Qt::OtherFocusReason); }

}  // namespace brivan::ui

#include "ui/controls.h"

#include "ui/backend.h"
#include "ui/speech.h"

namespace brivan::ui {

std::string Label::caption() const { return p_->text(); }
void Label::setCaption(std::string_view text) const {
    p_->setText(text);
    if (p_->spoken) p_->spoken->captionSet(*p_);
}
Colour Label::foreColor() const { return p_->foreColor(); }
void Label::setForeColor(Colour colour) const { p_->setForeColor(colour); }
Colour Label::backColor() const { return p_->backColor(); }
void Label::setBackColor(Colour colour) const {
    p_->setBackColor(colour);
    if (p_->spoken) p_->spoken->backColourSet(*p_);
}
bool Label::isVisible() const { return p_->isVisible(); }
void Label::setVisible(bool visible) const { p_->setVisible(visible); }
bool Label::isBold() const { return p_->isBold(); }
void Label::setBold(bool bold) const { p_->setBold(bold); }

std::string TextBox::text() const { return p_->text(); }
void TextBox::setText(std::string_view text) const { p_->setText(text); }
void TextBox::setFocus() const { p_->setFocus(); }

std::string ComboBox::text() const { return p_->text(); }
void ComboBox::setText(std::string_view text) const { p_->setText(text); }
bool ComboBox::isVisible() const { return p_->isVisible(); }
void ComboBox::setVisible(bool visible) const { p_->setVisible(visible); }

bool OptionButton::isVisible() const { return p_->isVisible(); }
void OptionButton::setVisible(bool visible) const { p_->setVisible(visible); }
bool OptionButton::isSelected() const { return p_->isChecked(); }
void OptionButton::clearSelection() const { p_->clearChoice(); }

std::string Button::caption() const { return p_->text(); }
void Button::setFocus() const { p_->setFocus(); }

}  // namespace brivan::ui

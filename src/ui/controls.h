#pragma once
// Handles on the controls of a loaded screen: small values over the real widgets, with just the
// operations the screens need. No toolkit header is included here, so the quiz engines never
// see one. A handle is valid while its screen is loaded; like a pointer, a const handle can
// still change its control.
#include <string>
#include <string_view>

#include "ui/colour.h"

class QLabel;
class QLineEdit;
class QComboBox;
class QRadioButton;
class QPushButton;
class QWidget;

namespace brivan::ui {

class Label {
public:
    explicit Label(QLabel* widget) : w_(widget) {}
    std::string caption() const;
    void setCaption(std::string_view text) const;
    Colour foreColor() const;
    void setForeColor(Colour colour) const;
    Colour backColor() const;
    void setBackColor(Colour colour) const;
    bool isVisible() const;
    void setVisible(bool visible) const;
    bool isBold() const;
    void setBold(bool bold) const;

private:
    QLabel* w_;
};

class TextBox {
public:
    explicit TextBox(QLineEdit* widget) : w_(widget) {}
    std::string text() const;
    void setText(std::string_view text) const;
    void setFocus() const;

private:
    QLineEdit* w_;
};

class ComboBox {
public:
    explicit ComboBox(QComboBox* widget) : w_(widget) {}
    std::string text() const;
    void setText(std::string_view text) const;
    bool isVisible() const;
    void setVisible(bool visible) const;

private:
    QComboBox* w_;
};

class OptionButton {
public:
    explicit OptionButton(QRadioButton* widget) : w_(widget) {}
    bool isVisible() const;
    void setVisible(bool visible) const;
    bool isSelected() const;
    // Deselects without raising the click event: clearing a choice is not an answer.
    void clearSelection() const;

private:
    QRadioButton* w_;
};

class Button {
public:
    explicit Button(QPushButton* widget) : w_(widget) {}
    std::string caption() const;
    void setFocus() const;

private:
    QPushButton* w_;
};

}  // namespace brivan::ui

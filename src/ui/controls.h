#pragma once
// Handles on the controls of a loaded screen: small values over the real controls, with just the
// operations the screens need. No toolkit header is included here, so the quiz engines never
// see one, and the same engines run on every screen backend. A handle is valid while its screen
// is loaded; like a pointer, a const handle can still change its control.
#include <string>
#include <string_view>

#include "ui/colour.h"

namespace brivan::ui {

class ControlPeer;

class Label {
public:
    explicit Label(ControlPeer* peer) : p_(peer) {}
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
    ControlPeer* p_;
};

class TextBox {
public:
    explicit TextBox(ControlPeer* peer) : p_(peer) {}
    std::string text() const;
    void setText(std::string_view text) const;
    void setFocus() const;

private:
    ControlPeer* p_;
};

class ComboBox {
public:
    explicit ComboBox(ControlPeer* peer) : p_(peer) {}
    std::string text() const;
    void setText(std::string_view text) const;
    bool isVisible() const;
    void setVisible(bool visible) const;

private:
    ControlPeer* p_;
};

class OptionButton {
public:
    explicit OptionButton(ControlPeer* peer) : p_(peer) {}
    bool isVisible() const;
    void setVisible(bool visible) const;
    bool isSelected() const;
    // Deselects without raising the click event: clearing a choice is not an answer.
    void clearSelection() const;

private:
    ControlPeer* p_;
};

class Button {
public:
    explicit Button(ControlPeer* peer) : p_(peer) {}
    std::string caption() const;
    void setFocus() const;

private:
    ControlPeer* p_;
};

}  // namespace brivan::ui

#pragma once
// What a screen backend gives the shared screen layer for each control it builds: the real control
// behind a handle. The handles (controls.h) and the screen reader's rules (speech.h) work through
// it and never see the toolkit.
#include <string>
#include <string_view>

#include "ui/colour.h"

namespace brivan::ui {

class SpokenWindow;

class ControlPeer {
public:
    ControlPeer() = default;
    virtual ~ControlPeer() = default;
    ControlPeer(const ControlPeer&) = delete;
    ControlPeer& operator=(const ControlPeer&) = delete;

    // The caption of a label or button, the text of a box.
    virtual std::string text() const = 0;
    virtual void setText(std::string_view text) = 0;
    // Colours as the tables name them, read back as they were set (system colours unresolved).
    virtual Colour foreColor() const = 0;
    virtual void setForeColor(Colour colour) = 0;
    virtual Colour backColor() const = 0;
    virtual void setBackColor(Colour colour) = 0;
    // Shown or hidden by the screen itself, whether or not its window is on screen.
    virtual bool isVisible() const = 0;
    virtual void setVisible(bool visible) = 0;
    virtual bool isBold() const = 0;
    virtual void setBold(bool bold) = 0;
    virtual void setFocus() = 0;
    // An option button's choice; clearing it raises no click.
    virtual bool isChecked() const = 0;
    virtual void clearChoice() = 0;

    // What a screen reader is given for the control, where what it shows is not enough.
    virtual void setSpokenName(const std::string& name) = 0;
    virtual void setSpokenDescription(const std::string& description) = 0;

    // The screen reader's rules of the control's window, told of what a handler changes.
    SpokenWindow* spoken = nullptr;
};

}  // namespace brivan::ui

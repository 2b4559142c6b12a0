#pragma once
// What a screen backend implements, and what it may rely on: the whole seam between the shared
// screen layer and a toolkit. A backend (ui/qt, ui/page) implements:
//
//   Window       a loaded screen's real window (one per Form), made by openWindow(layout);
//   ControlPeer  the real control behind each handle, made by Window::build for each row;
//   Voice        how what the window tells reaches the screen reader, given by Window::voice;
//   Platform     the beep and the end of the program (ui/platform.h), given to the navigator by
//                the program's main.
//
// It may rely on the shared layer (ui/form.cpp) to:
//   - call build() once for every row of the layout, in the table's order (front to back), with
//     the row's place in the table, and then complete() once, before anything else;
//   - keep the peers, in the table's order, for as long as the window lives; find them by name or
//     place (Form::peer, Form::peerAt); destroy them before the window;
//   - name every control for the screen reader and have its voice told what handlers write, once
//     every control is built (ui/speech.h);
//   - decide what both backends must do alike: the tab order and the first focus (Form::show),
//     what a control is to the screen reader (speech::spokenAs), the colours a control starts
//     with and the scheme's colours (ui/look.h), the faces of the tables' fonts (ui/look.h), the
//     pictures and their renderings at twice the size (ui/pictures.h), a caption's access key
//     (ui/caption.h).
// A backend only delivers these; it decides nothing that the other backend must decide alike.
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "ui/colour.h"
#include "ui/layout.h"
#include "ui/platform.h"

namespace brivan::ui {

class Form;
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

    // The screen reader's rules of the control's window, told of what a handler changes (set by
    // the shared layer).
    SpokenWindow* spoken = nullptr;
};

// How a window delivers what is told.
class Voice {
public:
    virtual ~Voice() = default;
    // Runs FN once the handler that runs now has returned (soon, when none runs).
    virtual void afterHandler(std::function<void()> fn) = 0;
    // The window is on screen: not before it is shown, nor after it is closed.
    virtual bool windowShown() const = 0;
    // Hands the words to the screen reader, to be read at once.
    virtual void announce(const std::string& words) = 0;
};

namespace backend {

class Window {
public:
    virtual ~Window() = default;

    // The real control of ROW, the INDEXth row of the table, built in this window.
    virtual std::unique_ptr<ControlPeer> build(const ControlSpec& row, std::size_t index) = 0;
    // Every control is built: stacking order (the first row on top), tab order, the default and
    // cancel buttons. FORM is this window's, and reaches its controls, for the window's life.
    virtual void complete(const Form& form) = 0;
    virtual Voice& voice() = 0;

    // The click event of the button or option button at INDEX.
    virtual void onClick(std::size_t index, std::function<void()> handler) = 0;
    // Called when the pilot closes the window with its frame.
    virtual void onFrameClose(std::function<void()> handler) = 0;
    // Shows the window non-modally, makes it active and gives the focus to FIRST (if any).
    virtual void show(ControlPeer* first) = 0;
};

// Each backend defines it: the window of LAYOUT, built with no controls yet.
std::unique_ptr<Window> openWindow(const Layout& layout);

}  // namespace backend

}  // namespace brivan::ui

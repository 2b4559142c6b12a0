#pragma once
// A loaded screen's window, built from its layout by the screen backend: named controls, their
// click events and the window frame's close. Destroying the Form closes the window and destroys
// its controls.
#include <functional>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/control_peer.h"
#include "ui/controls.h"
#include "ui/layout.h"
#include "ui/speech.h"

namespace brivan::ui {

class Form {
public:
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Label label(std::string_view name) const { return Label(&peer(name)); }
    TextBox textBox(std::string_view name) const { return TextBox(&peer(name)); }
    ComboBox comboBox(std::string_view name) const { return ComboBox(&peer(name)); }
    OptionButton optionButton(std::string_view name) const { return OptionButton(&peer(name)); }
    Button button(std::string_view name) const { return Button(&peer(name)); }

    // Binds the click event of a button or an option button.
    virtual void onClick(std::string_view name, std::function<void()> handler) = 0;
    // Called when the pilot closes the window with its frame.
    virtual void onFrameClose(std::function<void()> handler) = 0;

    // Shows the window non-modally, makes it active and gives the focus to the first control of
    // the tab order that is shown.
    virtual void show() = 0;

    const Layout& layout() const { return layout_; }

protected:
    explicit Form(const Layout& layout) : layout_(layout) {}

    // The backend's control for each row of the table, in the table's order.
    void adopt(std::string_view name, std::unique_ptr<ControlPeer> peer);
    // Once every control is adopted: names them for the screen reader and readies what it is told.
    void startSpeaking(Voice& voice);
    ControlPeer& peer(std::string_view name) const;
    // The first control of the tab order that takes the focus and is shown, or none.
    const ControlSpec* firstInTabOrder() const;

private:
    const Layout& layout_;
    std::vector<std::pair<std::string_view, std::unique_ptr<ControlPeer>>> peers_;
    std::unique_ptr<SpokenWindow> spoken_;
};

// Whether a control of this kind can take the focus (labels and pictures never do).
bool takesFocus(ControlKind kind);

// The controls that Tab visits, shown or not, in the order it visits them.
std::vector<const ControlSpec*> tabOrder(const Layout& layout);

// The screen backend's window for a layout (each backend defines it).
std::unique_ptr<Form> openForm(const Layout& layout);

}  // namespace brivan::ui

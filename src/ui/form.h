#pragma once
// A loaded screen's window: the backend's real window built from the layout, its named controls,
// their click events and the window frame's close. Destroying the Form closes the window and
// destroys its controls.
#include <cstddef>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "ui/backend.h"
#include "ui/control_rules.h"
#include "ui/controls.h"
#include "ui/layout.h"
#include "ui/speech.h"

namespace brivan::ui {

class Form final {
public:
    // Opens the backend's window and builds every control of the table in it, in order.
    explicit Form(const Layout& layout);
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Label label(std::string_view name) const { return Label(&peer(name)); }
    TextBox textBox(std::string_view name) const { return TextBox(&peer(name)); }
    ComboBox comboBox(std::string_view name) const { return ComboBox(&peer(name)); }
    OptionButton optionButton(std::string_view name) const { return OptionButton(&peer(name)); }
    Button button(std::string_view name) const { return Button(&peer(name)); }

    // Binds the click event of a button or an option button.
    void onClick(std::string_view name, std::function<void()> handler);
    // Called when the pilot closes the window with its frame.
    void onFrameClose(std::function<void()> handler);

    // Shows the window non-modally, makes it active and gives the focus to the first control of
    // the tab order that is shown.
    void show();

    const Layout& layout() const { return layout_; }
    backend::Window& window() const { return *window_; }

    // The control named NAME, or at INDEX in the table (as the backend built it).
    ControlPeer& peer(std::string_view name) const;
    ControlPeer& peerAt(std::size_t index) const { return *peers_.at(index); }
    std::size_t indexOf(std::string_view name) const;
    // The first control of the tab order that takes the focus and is shown, or none.
    const ControlSpec* firstInTabOrder() const;

private:
    const Layout& layout_;
    std::unique_ptr<backend::Window> window_;
    std::vector<std::unique_ptr<ControlPeer>> peers_;  // in the table's order
    std::unique_ptr<SpokenWindow> spoken_;
};

}  // namespace brivan::ui

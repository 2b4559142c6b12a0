#pragma once
// A loaded screen's window, built from its layout: named controls, their click events and the
// window frame's close. Destroying the Form closes the window and destroys its controls.
#include <functional>
#include <memory>
#include <string_view>

#include "ui/controls.h"
#include "ui/layout.h"

class QWidget;

namespace brivan::ui {

class FormWindow;

class Form {
public:
    explicit Form(const Layout& layout);
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Label label(std::string_view name) const;
    TextBox textBox(std::string_view name) const;
    ComboBox comboBox(std::string_view name) const;
    OptionButton optionButton(std::string_view name) const;
    Button button(std::string_view name) const;

    // Binds the click event of a button or an option button.
    void onClick(std::string_view name, std::function<void()> handler);
    // Called when the pilot closes the window with its frame.
    void onFrameClose(std::function<void()> handler);

    // Shows the window non-modally, makes it active and gives the focus to the first control of
    // the tab order.
    void show();

    QWidget* window() const;
    QWidget* control(std::string_view name) const;

private:
    FormWindow* window_;  // owned; deleted later, as the event that unloads may come from it
    const Layout& layout_;
};

}  // namespace brivan::ui

#pragma once
// A screen's window on the desktop: a Qt dialog built from its layout. The Qt tests reach the real
// window and its widgets through it.
#include <memory>
#include <string_view>

#include "ui/form.h"

class QWidget;

namespace brivan::ui {

class FormWindow;

class QtForm final : public Form {
public:
    explicit QtForm(const Layout& layout);
    ~QtForm() override;

    void onClick(std::string_view name, std::function<void()> handler) override;
    void onFrameClose(std::function<void()> handler) override;
    void show() override;

    QWidget* window() const;
    QWidget* control(std::string_view name) const;

    // The Qt window of a form the program opened (every form is one on the desktop).
    static const QtForm& of(const Form& form) { return static_cast<const QtForm&>(form); }

private:
    class QtVoice;

    FormWindow* window_;  // owned; deleted later, as the event that unloads may come from it
    std::unique_ptr<QtVoice> voice_;
};

}  // namespace brivan::ui

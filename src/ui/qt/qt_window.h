#pragma once
// A screen's window on the desktop: a Qt dialog built from its layout. The Qt tests reach the real
// window and its widgets through it.
#include <functional>
#include <memory>
#include <string_view>

#include "ui/backend.h"
#include "ui/form.h"

class QWidget;

namespace brivan::ui {

class FormWindow;

class QtWindow final : public backend::Window {
public:
    explicit QtWindow(const Layout& layout);
    ~QtWindow() override;

    std::unique_ptr<ControlPeer> build(const ControlSpec& row, std::size_t index) override;
    void complete(const Form& form) override;
    Voice& voice() override;
    void onClick(std::size_t index, std::function<void()> handler) override;
    void onFrameClose(std::function<void()> handler) override;
    void show(ControlPeer* first) override;

    const Layout& layout() const { return layout_; }
    QWidget* window() const;
    QWidget* control(std::string_view name) const;

    // The Qt window of a form the program opened (every form is one on the desktop).
    static const QtWindow& of(const Form& form) { return static_cast<const QtWindow&>(form.window()); }

private:
    class QtVoice;

    QWidget* widgetAt(std::size_t index) const;

    const Layout& layout_;
    const Form* form_ = nullptr;
    FormWindow* window_;  // owned; deleted later, as the event that unloads may come from it
    std::unique_ptr<QtVoice> voice_;
};

}  // namespace brivan::ui

#pragma once
// The real control behind a handle in the browser: one element of the page (a drop-down box: its
// text field, with its list beside it), drawn in a box of its own where the element is smaller than
// its place in the table (an option button: its mark, in the box that takes its clicks).
#include <emscripten/val.h>

#include <functional>

#include <string>
#include <string_view>

#include "ui/backend.h"
#include "ui/layout.h"

namespace brivan::ui {

class DropDownList;

class PageControl final : public ControlPeer {
public:
    PageControl(emscripten::val element, emscripten::val box, const ControlSpec& row);

    std::string text() const override;
    void setText(std::string_view text) override;
    Colour foreColor() const override { return fore_; }
    void setForeColor(Colour colour) override;
    Colour backColor() const override { return back_; }
    void setBackColor(Colour colour) override;
    bool isVisible() const override { return visible_; }
    void setVisible(bool visible) override;
    bool isBold() const override { return bold_; }
    void setBold(bool bold) override;
    void setFocus() override;
    bool isChecked() const override;
    void clearChoice() override;
    void setSpokenName(const std::string& name) override;
    void setSpokenDescription(const std::string& description) override;

    const ControlSpec& row() const { return row_; }
    emscripten::val& element() { return element_; }
    // What stands at the control's place in the window: the element, or the box it is drawn in.
    emscripten::val& box() { return box_; }
    // A drop-down box's list; null for every other control.
    DropDownList* list() const { return list_; }
    void setList(DropDownList* list) { list_ = list; }
    // Draws the control in its colours again, as the pilot's contrast setting now has them.
    void redrawColours();
    // Called before the control is hidden while it has the focus: the window moves the focus on.
    std::function<void()> losingFocus;

private:
    emscripten::val element_;
    emscripten::val box_;
    const ControlSpec& row_;
    Colour fore_, back_;
    bool visible_ = true;
    bool bold_;
    std::string name_;
    DropDownList* list_ = nullptr;
};

}  // namespace brivan::ui

#include "ui/page/page_control.h"

#include "ui/page/dom.h"
#include "ui/page/drop_down_list.h"
#include "ui/look.h"
#include "ui/page/contrast.h"
#include "ui/page/css.h"
#include "ui/speech.h"

namespace brivan::ui {

using emscripten::val;

PageControl::PageControl(val element, val box, const ControlSpec& row)
    : element_(std::move(element)),
      box_(std::move(box)),
      row_(row),
      fore_(startColours(row).fore),
      back_(startColours(row).back),
      bold_(row.font.bold) {
    redrawColours();
}

std::string PageControl::text() const {
    switch (row_.kind) {
    case ControlKind::Label: return element_["textContent"].as<std::string>();
    case ControlKind::TextBox:
    case ControlKind::ComboBox: return element_["value"].as<std::string>();
    case ControlKind::Button: return std::string(row_.text);  // a button's caption never changes
    case ControlKind::OptionButton:
    case ControlKind::Picture: return {};
    }
    return {};
}

void PageControl::setText(std::string_view text) {
    switch (row_.kind) {
    case ControlKind::Label: dom::setText(element_, text); break;
    case ControlKind::TextBox: element_.set("value", std::string(text)); break;
    case ControlKind::ComboBox:
        element_.set("value", std::string(text));
        if (list_) list_->textChanged();
        break;
    case ControlKind::Button:
    case ControlKind::OptionButton:
    case ControlKind::Picture: break;
    }
}

void PageControl::setForeColor(Colour colour) {
    fore_ = colour;
    redrawColours();
}

void PageControl::setBackColor(Colour colour) {
    back_ = colour;
    redrawColours();
}

// Option buttons and pictures draw no colour of the screen's.
void PageControl::redrawColours() {
    if (row_.kind == ControlKind::OptionButton || row_.kind == ControlKind::Picture) return;
    // Under forced colours the system's own colours, but a light keeps its kind (screens.css).
    const bool system = page::forcedColours() && !isPartOfALight(speech::spokenAs(row_));
    dom::setStyle(element_, "color", system ? std::string() : css::textColour(fore_));
    dom::setStyle(element_, "backgroundColor", system ? std::string() : css::colour(back_));
}

void PageControl::setVisible(bool visible) {
    if (visible == visible_) return;
    if (!visible && losingFocus && dom::document()["activeElement"] == element_) losingFocus();
    visible_ = visible;
    dom::setHidden(box_, !visible);
    if (list_) list_->setVisible(visible);
}

void PageControl::setBold(bool bold) {
    bold_ = bold;
    dom::setStyle(element_, "fontWeight", bold ? "bold" : "normal");
}

void PageControl::setFocus() {
    if (visible_) element_.call<void>("focus");
}

bool PageControl::isChecked() const {
    return row_.kind == ControlKind::OptionButton && element_["checked"].as<bool>();
}

void PageControl::clearChoice() {
    if (row_.kind == ControlKind::OptionButton) element_.set("checked", false);  // raises no click
}

void PageControl::setSpokenName(const std::string& name) {
    if (name == name_) return;
    name_ = name;
    if (row_.kind == ControlKind::Picture) {
        element_.set("alt", name);
    } else {
        dom::setAttribute(element_, "aria-label", name);
    }
}

void PageControl::setSpokenDescription(const std::string& description) {
    dom::setAttribute(element_, "aria-description", description);
}

}  // namespace brivan::ui

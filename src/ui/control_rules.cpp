#include "ui/control_rules.h"

#include <algorithm>

namespace brivan::ui {

bool takesFocus(ControlKind kind) {
    return kind == ControlKind::Button || kind == ControlKind::TextBox || kind == ControlKind::ComboBox ||
           kind == ControlKind::OptionButton;
}

std::vector<const ControlSpec*> tabOrder(const Layout& layout) {
    std::vector<const ControlSpec*> chain;
    for (const ControlSpec& control : layout.controls)
        if (takesFocus(control.kind) && control.tab != kNoTab) chain.push_back(&control);
    std::stable_sort(chain.begin(), chain.end(), [](auto* a, auto* b) { return a->tab < b->tab; });
    return chain;
}

const ControlSpec* optionOfText(const Layout& layout, const ControlSpec& label) {
    if (label.kind != ControlKind::Label) return nullptr;
    for (const ControlSpec& control : layout.controls)
        if (control.kind == ControlKind::OptionButton && control.speech.namedBy == label.name) return &control;
    return nullptr;
}

}  // namespace brivan::ui

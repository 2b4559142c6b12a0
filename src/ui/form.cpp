#include "ui/form.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace brivan::ui {

Form::~Form() = default;

bool takesFocus(ControlKind kind) {
    return kind == ControlKind::Button || kind == ControlKind::TextBox || kind == ControlKind::ComboBox ||
           kind == ControlKind::OptionButton;
}

void Form::adopt(std::string_view name, std::unique_ptr<ControlPeer> peer) {
    peers_.emplace_back(name, std::move(peer));
}

void Form::startSpeaking(Voice& voice) {
    spoken_ = std::make_unique<SpokenWindow>(layout_, [this](std::string_view name) { return &peer(name); }, voice);
}

ControlPeer& Form::peer(std::string_view name) const {
    for (const auto& [n, p] : peers_)
        if (n == name) return *p;
    throw std::out_of_range("no control named " + std::string(name));
}

std::vector<const ControlSpec*> tabOrder(const Layout& layout) {
    std::vector<const ControlSpec*> chain;
    for (const ControlSpec& control : layout.controls)
        if (takesFocus(control.kind) && control.tab != kNoTab) chain.push_back(&control);
    std::stable_sort(chain.begin(), chain.end(), [](auto* a, auto* b) { return a->tab < b->tab; });
    return chain;
}

const ControlSpec* Form::firstInTabOrder() const {
    for (const ControlSpec* control : tabOrder(layout_))
        if (peer(control->name).isVisible()) return control;
    return nullptr;
}

}  // namespace brivan::ui

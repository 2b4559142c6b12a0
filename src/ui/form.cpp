#include "ui/form.h"

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

const ControlSpec* Form::firstInTabOrder() const {
    const ControlSpec* first = nullptr;
    for (const ControlSpec& control : layout_.controls) {
        if (!takesFocus(control.kind) || control.tab == kNoTab) continue;
        if (!peer(control.name).isVisible()) continue;
        if (!first || control.tab < first->tab) first = &control;
    }
    return first;
}

}  // namespace brivan::ui

#include "ui/form.h"

#include <stdexcept>
#include <string>

namespace brivan::ui {

Form::Form(const Layout& layout) : layout_(layout), window_(backend::openWindow(layout)) {
    peers_.reserve(layout.controls.size());
    for (std::size_t i = 0; i < layout.controls.size(); ++i) peers_.push_back(window_->build(layout.controls[i], i));
    window_->complete(*this);
    spoken_ = std::make_unique<SpokenWindow>(layout_, [this](std::string_view name) { return &peer(name); },
                                             window_->voice());
}

Form::~Form() {
    spoken_.reset();
    peers_.clear();
    window_.reset();
}

void Form::onClick(std::string_view name, std::function<void()> handler) {
    window_->onClick(indexOf(name), std::move(handler));
}

void Form::onFrameClose(std::function<void()> handler) { window_->onFrameClose(std::move(handler)); }

void Form::show() {
    const ControlSpec* first = firstInTabOrder();
    window_->show(first ? &peerAt(std::size_t(first - layout_.controls.data())) : nullptr);
}

std::size_t Form::indexOf(std::string_view name) const {
    for (std::size_t i = 0; i < layout_.controls.size(); ++i)
        if (layout_.controls[i].name == name) return i;
    throw std::out_of_range("no control named " + std::string(name));
}

ControlPeer& Form::peer(std::string_view name) const { return peerAt(indexOf(name)); }

const ControlSpec* Form::firstInTabOrder() const {
    for (const ControlSpec* control : tabOrder(layout_))
        if (peer(control->name).isVisible()) return control;
    return nullptr;
}

}  // namespace brivan::ui

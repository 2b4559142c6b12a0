#include "ui/screen.h"

namespace brivan::ui {

Screen::Screen(ScreenId id, Services services) : id_(id), services_(services) {}

Screen::~Screen() = default;

void Screen::load() {
    if (form_) return;
    form_ = std::make_unique<Form>(layoutOf(id_));
    form_->onFrameClose([this] { services_.moves.closedByFrame(id_); });
    bindHandlers(*form_);
    Form_Load();
}

void Screen::show() {
    if (form_) form_->show();
}

void Screen::unload() { form_.reset(); }

}  // namespace brivan::ui

#include "ui/screen.h"

namespace brivan::ui {

Screen::Screen(ScreenId id, const Layout& layout, Services services)
    : id_(id), layout_(layout), services_(services) {}

Screen::~Screen() = default;

void Screen::load() {
    if (form_) return;
    form_ = openForm(layout_);
    form_->onFrameClose([this] { services_.moves.closedByFrame(id_); });
    bindHandlers(*form_);
    Form_Load();
}

void Screen::show() {
    if (form_) form_->show();
}

void Screen::unload() { form_.reset(); }

}  // namespace brivan::ui

#include "ui/page/page_platform.h"

#include <string>

#include "ui/page/dom.h"
#include "ui/page/contrast.h"
#include "ui/page/later.h"
#include "ui/page/page_window.h"
#include "ui/page/page_windows.h"

namespace brivan::ui {

using emscripten::val;

namespace {
void dispatch(const char* event) {
    val document = dom::document();
    document.call<bool>("dispatchEvent", val::global("Event").new_(std::string(event)));
}
}  // namespace

void PagePlatform::beep() {
    static auto* context = new val(val::undefined());
    if (context->isUndefined()) {
        val type = val::global("AudioContext");
        if (type.isUndefined()) type = val::global("webkitAudioContext");
        if (type.isUndefined()) return;
        *context = type.new_();  // made at a key press or click, which lets a page sound
    }
    val& audio = *context;
    if (audio["state"].as<std::string>() == "suspended") audio.call<val>("resume");
    const double now = audio["currentTime"].as<double>();
    val tone = audio.call<val>("createOscillator");
    val volume = audio.call<val>("createGain");
    tone["frequency"].set("value", 880);
    volume["gain"].call<void>("setValueAtTime", 0.2, now);
    volume["gain"].call<void>("exponentialRampToValueAtTime", 0.001, now + 0.15);
    tone.call<val>("connect", volume);
    volume.call<val>("connect", audio["destination"]);
    tone.call<void>("start", now);
    tone.call<void>("stop", now + 0.16);
}

void PagePlatform::quit() {
    // Once the closed windows have left the page.
    page::later([] { dispatch("brivan-ended"); });
}

void startPage() {
    val document = dom::document();
    dom::listen(document, "keydown", val::module_property("brivanKeyDown"));
    dom::listen(document, "keyup", val::module_property("brivanKeyUp"));
    page::onContrastChange([] {
        for (PageWindow* window : page_windows::all()) window->redrawColours();
    });
    page::later([] { dispatch("brivan-started"); });
}

}  // namespace brivan::ui

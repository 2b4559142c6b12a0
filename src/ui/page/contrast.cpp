#include "ui/page/contrast.h"

#include <emscripten/bind.h>

#include <string>

#include "ui/page/dom.h"

namespace brivan::ui::page {

using emscripten::val;

namespace {

val& query() {
    static auto* list = new val(val::undefined());
    if (list->isUndefined()) {
        const val matchMedia = val::global("matchMedia");
        *list = matchMedia.isUndefined() ? val::null() : val::global().call<val>("matchMedia", std::string("(prefers-contrast: more)"));
        if (!list->isNull()) dom::listen(*list, "change", val::module_property("brivanContrastChanged"));
    }
    return *list;
}

std::function<void()>& listener() {
    static auto* fn = new std::function<void()>;
    return *fn;
}

void changed() {
    if (listener()) listener()();
}

}  // namespace

bool moreContrast() {
    const val& list = query();
    return !list.isNull() && list["matches"].as<bool>();
}

void onContrastChange(std::function<void()> fn) {
    query();
    listener() = std::move(fn);
}

EMSCRIPTEN_BINDINGS(brivan_contrast) { emscripten::function("brivanContrastChanged", &changed); }

}  // namespace brivan::ui::page

#include "ui/page/contrast.h"

#include <emscripten/bind.h>

#include <string>

#include "ui/page/dom.h"

namespace brivan::ui::page {

using emscripten::val;

namespace {

// The browser's answer to QUERY, followed: a change calls the program's listener. Null where the
// browser has no media queries.
val watched(const char* query) {
    if (val::global("matchMedia").isUndefined()) return val::null();
    val list = val::global().call<val>("matchMedia", std::string(query));
    dom::listen(list, "change", val::module_property("brivanContrastChanged"));
    return list;
}

struct Settings {
    val more = watched("(prefers-contrast: more)");
    val forced = watched("(forced-colors: active)");
};

const Settings& settings() {
    static const auto* asked = new Settings;
    return *asked;
}

bool matches(const val& list) { return !list.isNull() && list["matches"].as<bool>(); }

std::function<void()>& listener() {
    static auto* fn = new std::function<void()>;
    return *fn;
}

void changed() {
    if (listener()) listener()();
}

}  // namespace

bool moreContrast() { return matches(settings().more); }

bool forcedColours() { return matches(settings().forced); }

void onContrastChange(std::function<void()> fn) {
    settings();
    listener() = std::move(fn);
}

EMSCRIPTEN_BINDINGS(brivan_contrast) { emscripten::function("brivanContrastChanged", &changed); }

}  // namespace brivan::ui::page

#include "ui/page/contrast.h"

#include <emscripten/bind.h>

#include <map>
#include <string>

#include "ui/page/dom.h"

namespace brivan::ui::page {

using emscripten::val;

namespace {

// The browser's answer to QUERY, followed: a change calls the program's listener.
val watched(const char* query) {
    const val matchMedia = val::global("matchMedia");
    if (matchMedia.isUndefined()) return val::null();
    val list = val::global().call<val>("matchMedia", std::string(query));
    dom::listen(list, "change", val::module_property("brivanContrastChanged"));
    return list;
}

bool matches(const char* query) {
    static auto* lists = new std::map<std::string, val>;
    auto it = lists->find(query);
    if (it == lists->end()) it = lists->emplace(query, watched(query)).first;
    return !it->second.isNull() && it->second["matches"].as<bool>();
}

std::function<void()>& listener() {
    static auto* fn = new std::function<void()>;
    return *fn;
}

void changed() {
    if (listener()) listener()();
}

}  // namespace

bool moreContrast() { return matches("(prefers-contrast: more)"); }

bool forcedColours() { return matches("(forced-colors: active)"); }

void onContrastChange(std::function<void()> fn) {
    moreContrast();
    forcedColours();
    listener() = std::move(fn);
}

EMSCRIPTEN_BINDINGS(brivan_contrast) { emscripten::function("brivanContrastChanged", &changed); }

}  // namespace brivan::ui::page

#pragma once
// The few things the page backend asks of the page's elements, through Emscripten's val. Text goes
// into the page as text, never as markup; looks are set through the element's style object, which
// the page's Content-Security-Policy allows where it forbids style attributes.
#include <emscripten/val.h>

#include <string>
#include <string_view>

namespace brivan::ui::dom {

using emscripten::val;

inline val document() { return val::global("document"); }

inline val element(std::string_view tag, std::string_view className = {}) {
    val e = document().call<val>("createElement", std::string(tag));
    if (!className.empty()) e.set("className", std::string(className));
    return e;
}

inline void setText(val& e, std::string_view text) { e.set("textContent", std::string(text)); }
inline void setAttribute(val& e, std::string_view name, std::string_view value) {
    e.call<void>("setAttribute", std::string(name), std::string(value));
}
inline void removeAttribute(val& e, std::string_view name) { e.call<void>("removeAttribute", std::string(name)); }
inline void setStyle(val& e, const char* property, const std::string& value) { e["style"].set(property, value); }
inline std::string px(int pixels) { return std::to_string(pixels) + "px"; }

inline void setHidden(val& e, bool hidden) { e.set("hidden", hidden); }
inline bool isHidden(const val& e) { return e["hidden"].as<bool>(); }

inline void append(val& parent, const val& child) { parent.call<void>("appendChild", child); }

// The JavaScript function that the program registered under NAME (EMSCRIPTEN_BINDINGS), with its
// first arguments bound: a listener that calls back into the program.
template <class... Args>
val callback(const char* name, Args... args) {
    return val::module_property(name).call<val>("bind", val::null(), args...);
}

inline void listen(val& target, const char* event, const val& listener) {
    target.call<void>("addEventListener", std::string(event), listener);
}

}  // namespace brivan::ui::dom

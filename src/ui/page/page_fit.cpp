#include "ui/page/page_fit.h"

#include <emscripten/bind.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "ui/page/dom.h"
#include "ui/screen_fit.h"

namespace brivan::ui::page {

using emscripten::val;

namespace {

val& current() {
    static auto* window = new val(val::undefined());
    return *window;
}

// How far the window is moved up now, so that the focused box is measured where it stands unlifted.
double& currentLift() {
    static double lift = 0;
    return lift;
}

void refit() {
    val window = current();
    if (window.isUndefined() || !window["isConnected"].as<bool>()) return;
    const val view = val::global("window");
    const double width = view["innerWidth"].as<double>(), height = view["innerHeight"].as<double>();
    const Size largest = largestWindow();
    // One scale for every screen, so that moving between them changes nothing but the screen.
    const double scale = std::min({1.0, width / (largest.width + kFrameWidth), height / (largest.height + kFrameHeight)});

    // With a tablet's keyboard up, the visible part of the page is shorter: the focused box is
    // moved up into it.
    double lift = 0;
    const val visual = view["visualViewport"];
    const val focus = dom::document()["activeElement"];
    if (!visual.isUndefined() && !visual.isNull() && focus["tagName"].as<std::string>() == "INPUT" &&
        window.call<bool>("contains", focus)) {
        const double visibleBottom = visual["offsetTop"].as<double>() + visual["height"].as<double>();
        const double boxBottom = focus.call<val>("getBoundingClientRect")["bottom"].as<double>() + currentLift();
        lift = std::max(0.0, boxBottom - visibleBottom + 8);
    }
    currentLift() = lift;
    char transform[96];
    std::snprintf(transform, sizeof transform, "translateY(%.1fpx) scale(%.4f)", -lift, scale);
    dom::setStyle(window, "transform", transform);
}

void listenOnce() {
    static bool listening = false;
    if (listening) return;
    listening = true;
    val view = val::global("window");
    const val listener = val::module_property("brivanRefit");
    dom::listen(view, "resize", listener);
    dom::listen(view, "orientationchange", listener);
    val visual = view["visualViewport"];
    if (!visual.isUndefined() && !visual.isNull()) dom::listen(visual, "resize", listener);
    val document = dom::document();
    document.call<void>("addEventListener", std::string("focusin"), listener);
}

}  // namespace

void fit(val window) {
    listenOnce();
    current() = window;
    dom::setStyle(window, "transform", "none");  // measured unlifted
    currentLift() = 0;
    refit();
}

EMSCRIPTEN_BINDINGS(brivan_fit) { emscripten::function("brivanRefit", &refit); }

}  // namespace brivan::ui::page

#include "ui/page/later.h"

#include <emscripten/bind.h>

#include <vector>

#include "ui/page/dom.h"

namespace brivan::ui::page {

namespace {
std::vector<std::function<void()>>& queue() {
    static auto* waiting = new std::vector<std::function<void()>>;
    return *waiting;
}

void runQueue() {
    std::vector<std::function<void()>> now;
    now.swap(queue());
    for (auto& fn : now) fn();
}
}  // namespace

void later(std::function<void()> fn) {
    if (queue().empty()) emscripten::val::global("setTimeout")(emscripten::val::module_property("brivanLater"), 0);
    queue().push_back(std::move(fn));
}

EMSCRIPTEN_BINDINGS(brivan_later) { emscripten::function("brivanLater", &runQueue); }

}  // namespace brivan::ui::page

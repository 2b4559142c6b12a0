#include "ui/page/later.h"

#include <emscripten/bind.h>

#include <map>
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

struct Framed {
    std::function<void()> fn;
    int thenMs;
};

std::map<int, Framed>& framed() {
    static auto* waiting = new std::map<int, Framed>;
    return *waiting;
}

void requestFrame(int id, int stage) {
    emscripten::val::global("requestAnimationFrame")(dom::callback("brivanFrame", id, stage));
}

void wait(int id, int ms) { emscripten::val::global("setTimeout")(dom::callback("brivanFrame", id, 3), ms); }

// Stage 1 is the next frame: what was done before it is drawn, and told, in it. Stage 2 is the
// frame after it, stage 3 the end of the wait after that, when FN runs.
void frameStarted(int id, int stage) {
    const auto it = framed().find(id);
    if (it == framed().end()) return;
    if (stage == 1) return requestFrame(id, 2);
    if (stage == 2 && it->second.thenMs > 0) return wait(id, it->second.thenMs);
    const std::function<void()> fn = std::move(it->second.fn);
    framed().erase(it);
    fn();
}
}  // namespace

void later(std::function<void()> fn) {
    if (queue().empty()) emscripten::val::global("setTimeout")(emscripten::val::module_property("brivanLater"), 0);
    queue().push_back(std::move(fn));
}

void afterNextFrame(std::function<void()> fn, int thenMs) {
    static int nextId = 0;
    const int id = nextId++;
    framed()[id] = Framed{std::move(fn), thenMs};
    if (dom::document()["hidden"].as<bool>()) {
        wait(id, thenMs + 250);
    } else {
        requestFrame(id, 1);
    }
}

EMSCRIPTEN_BINDINGS(brivan_later) {
    emscripten::function("brivanLater", &runQueue);
    emscripten::function("brivanFrame", &frameStarted);
}

}  // namespace brivan::ui::page

#include "ui/page/page_windows.h"

#include <map>

namespace brivan::ui::page_windows {

namespace {
std::map<int, PageWindow*>& open() {
    static auto* windows = new std::map<int, PageWindow*>;  // the program outlives main: never destroyed
    return *windows;
}
int lastShown = -1;
int nextId = 0;
}  // namespace

int add(PageWindow* window) {
    open()[nextId] = window;
    return nextId++;
}

void remove(int id) {
    open().erase(id);
    if (lastShown == id) lastShown = -1;
}

PageWindow* find(int id) {
    const auto it = open().find(id);
    return it == open().end() ? nullptr : it->second;
}

void shown(int id) { lastShown = id; }

PageWindow* active() { return find(lastShown); }

std::vector<PageWindow*> all() {
    std::vector<PageWindow*> windows;
    for (const auto& [id, window] : open()) windows.push_back(window);
    return windows;
}

}  // namespace brivan::ui::page_windows

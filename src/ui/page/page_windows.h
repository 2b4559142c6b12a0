#pragma once
// The windows open in the page, by the numbers the page's listeners carry, and the one shown last,
// which the keyboard goes to.
#include <vector>

namespace brivan::ui {

class PageWindow;

namespace page_windows {

// Registers a new window and gives it its number.
int add(PageWindow* window);
void remove(int id);
PageWindow* find(int id);
void shown(int id);
// The window shown last, while it is open.
PageWindow* active();
// Every open window, shown or not.
std::vector<PageWindow*> all();

}  // namespace page_windows
}  // namespace brivan::ui

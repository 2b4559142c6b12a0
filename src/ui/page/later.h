#pragma once
// Work for when the handler that runs now has returned: the page's own task queue, so that a
// handler always runs to its end first, as on the desktop.
#include <functional>

namespace brivan::ui::page {

void later(std::function<void()> fn);

}  // namespace brivan::ui::page

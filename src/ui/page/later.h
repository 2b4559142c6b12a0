#pragma once
// Work for later: when the handler that runs now has returned (the page's own task queue, so that a
// handler always runs to its end first, as on the desktop), or once the browser has drawn what is
// done now.
#include <functional>

namespace brivan::ui::page {

void later(std::function<void()> fn);

// Runs FN THEN_MS milliseconds after the start of the frame after the next one the browser draws.
// A browser tells the screen reader what changed in the page once per frame (Firefox does, over
// AT-SPI): what is done now has been told by then, and what FN does is told after it, never in the
// same batch. In a page that is not shown, where no frame is drawn, FN runs after a while instead.
void afterNextFrame(std::function<void()> fn, int thenMs = 0);

}  // namespace brivan::ui::page

#pragma once
// Whether the pilot has asked the device for more contrast (the browser's prefers-contrast: more:
// Increase Contrast on an iPad or a Mac, a contrast theme on Windows), followed while the program
// runs; and whether the browser draws the system's colours (forced colours: a Windows contrast
// theme in a browser), where the program leaves every colour but a light's to the system.
#include <functional>

namespace brivan::ui::page {

bool moreContrast();
bool forcedColours();

// FN runs whenever either setting changes (one listener: the program's windows).
void onContrastChange(std::function<void()> fn);

}  // namespace brivan::ui::page

#pragma once
// Whether the pilot has asked the device for more contrast (the browser's prefers-contrast: more:
// Increase Contrast on an iPad or a Mac, a contrast theme on Windows), followed while the program
// runs. Under forced colours (a Windows contrast theme in a browser) the browser itself draws the
// system's colours over the program's, and screens.css keeps a light's red or yellow.
#include <functional>

namespace brivan::ui::page {

bool moreContrast();

// FN runs whenever the setting changes (one listener: the program's windows).
void onContrastChange(std::function<void()> fn);

}  // namespace brivan::ui::page

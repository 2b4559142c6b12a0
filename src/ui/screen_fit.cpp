#include "ui/screen_fit.h"

#include <algorithm>
#include <cmath>

#include "ui/screens.h"

namespace brivan::ui {

double largestFittingScale(double desktopScale, Size window, Size frame, Size workArea) {
    const auto fits = [&](double scale) {
        return std::lround((window.width + frame.width) * scale) <= workArea.width &&
               std::lround((window.height + frame.height) * scale) <= workArea.height;
    };
    if (desktopScale <= 1.0 || fits(desktopScale)) return desktopScale;
    // Quarter steps below the desktop's scale, as Windows offers them: 175 %, 150 %, 125 %.
    for (double scale = std::ceil(desktopScale * 4 - 1) / 4; scale > 1.0; scale -= 0.25)
        if (fits(scale)) return scale;
    return 1.0;
}

Size largestWindow() {
    Size largest{0, 0};
    for (const ScreenDesign& screen : kScreens) {
        const WindowSpec& window = screen.layout().window;
        largest.width = std::max(largest.width, pixels(window.width));
        largest.height = std::max(largest.height, pixels(window.height));
    }
    return largest;
}

}  // namespace brivan::ui

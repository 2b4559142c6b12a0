#include "ui/screen_fit.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "ui/layouts/layouts.h"

#if defined(_WIN32)
#include <windows.h>
#endif
#if defined(__EMSCRIPTEN__)
#include "ui/web_page.h"
#endif

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

namespace {

[[maybe_unused]] Size largestWindow() {
    Size largest{0, 0};
    const Layout* layouts[] = {&introLayout(),
                               &limitationsLayout(),
                               &annunciatorsLayout(),
                               &memoryItemsLayout(),
                               &resultsLayout(ResultsOf::Limitations),
                               &resultsLayout(ResultsOf::Annunciators),
                               &resultsLayout(ResultsOf::MemoryItems)};
    for (const Layout* layout : layouts) {
        largest.width = std::max(largest.width, layout->window.width / kTwipsPerPixel);
        largest.height = std::max(largest.height, layout->window.height / kTwipsPerPixel);
    }
    return largest;
}

}  // namespace

void fitDisplayScaleToScreen() {
#if defined(_WIN32)
    if (std::getenv("QT_SCALE_FACTOR")) return;
    // The awareness Qt would set itself, set first so that the numbers below are device pixels.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    const UINT dpi = GetDpiForSystem();
    RECT work{};
    if (dpi == 0 || !SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) return;
    const Size frame{2 * (GetSystemMetricsForDpi(SM_CXSIZEFRAME, 96) + GetSystemMetricsForDpi(SM_CXPADDEDBORDER, 96)),
                     GetSystemMetricsForDpi(SM_CYCAPTION, 96) +
                         2 * (GetSystemMetricsForDpi(SM_CYSIZEFRAME, 96) + GetSystemMetricsForDpi(SM_CXPADDEDBORDER, 96))};
    const double desktop = dpi / 96.0;
    const double scale =
        largestFittingScale(desktop, largestWindow(), frame, {int(work.right - work.left), int(work.bottom - work.top)});
    if (scale >= desktop) return;
    char factor[32];
    std::snprintf(factor, sizeof factor, "%.6f", scale / desktop);
    SetEnvironmentVariableA("QT_SCALE_FACTOR", factor);
    _putenv_s("QT_SCALE_FACTOR", factor);
#elif defined(__EMSCRIPTEN__)
    // In the browser the page is the screen, and no window manager keeps a window on it: below the
    // largest window's size, title bar and border included, the screens are scaled down to fit,
    // and fitted again whenever the page changes size (a tablet turned).
    page::fitScreens(largestWindow(), page::kFrame);
#endif
}

}  // namespace brivan::ui

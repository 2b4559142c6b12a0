#include "ui/qt/display_scale.h"

#include <cstdio>
#include <cstdlib>

#include "ui/screen_fit.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace brivan::ui {

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
#endif
}

}  // namespace brivan::ui

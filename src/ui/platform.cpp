#include "ui/platform.h"

#include <QApplication>

#if defined(Q_OS_WASM)
#include "ui/web_page.h"
#endif

namespace brivan::ui {

#if defined(Q_OS_WASM)
// In the browser the page around the program makes the sound and says that the program ended: a
// page cannot close its own tab, and the pilot should not be left before a blank one.
void QtPlatform::beep() { page::beep(); }

void QtPlatform::quit() { page::programEnded(); }
#else
void QtPlatform::beep() { QApplication::beep(); }

void QtPlatform::quit() { QCoreApplication::exit(0); }
#endif

bool displayMissing() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS) && !defined(Q_OS_WASM)
    return qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
           qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return false;  // the browser's page is the display
#endif
}

void fitScreensToDisplay() {
#if defined(Q_OS_WASM)
    // Qt's own scale factor, not a transform of the page: text stays crisp at the device's pixel
    // ratio and a tap lands on the control under the finger. Qt reads it once, as it starts.
    const double scale = page::fittingScale();
    if (scale < 1.0) qputenv("QT_SCALE_FACTOR", QByteArray::number(scale, 'f', 3));
#endif
}

}  // namespace brivan::ui

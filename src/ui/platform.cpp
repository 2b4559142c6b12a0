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

}  // namespace brivan::ui

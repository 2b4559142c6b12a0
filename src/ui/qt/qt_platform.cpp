#include "ui/qt/qt_platform.h"

#include <QApplication>

namespace brivan::ui {

void QtPlatform::beep() { QApplication::beep(); }

void QtPlatform::quit() { QCoreApplication::exit(0); }

bool displayMissing() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
           qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return false;
#endif
}

}  // namespace brivan::ui

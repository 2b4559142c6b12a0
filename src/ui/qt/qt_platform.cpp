#include "ui/qt/qt_platform.h"

#include <QApplication>

namespace brivan::ui {

void QtPlatform::beep() { QApplication::beep(); }

void QtPlatform::quit() { QCoreApplication::exit(0); }

}  // namespace brivan::ui

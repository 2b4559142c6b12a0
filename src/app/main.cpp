// Starts Qt and opens the terms screen; from then on the program only answers events.
#include <QApplication>
#include <cstdio>

#include "shell/navigator.h"
#include "ui/qt/qt_backend.h"

int main(int argc, char* argv[]) {
    // Qt aborts with a cryptic message when there is no display; a pilot gets a plain sentence.
    if (brivan::ui::displayMissing()) {
        std::fputs("brivan needs a graphical display; none was found (to run it without one, use: "
                   "xvfb-run -a brivan).\n",
                   stderr);
        return 1;
    }
    brivan::ui::fitDisplayScaleToScreen();  // before Qt reads the scale
    brivan::ui::FontWarmUp fonts;  // reads the fonts while Qt reaches the display
    QApplication app(argc, argv);
    fonts.applicationReady();
    QApplication::setApplicationName(QStringLiteral("brivan"));
    QApplication::setApplicationVersion(QStringLiteral(BRIVAN_VERSION));  // from CMakeLists.txt
    QApplication::setOrganizationName(QStringLiteral("Skyward Study Press"));
    // Ties the windows to the installed desktop entry (brivan.desktop), for its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("brivan"));
    // The program ends when its last screen is unloaded, which the navigator decides.
    QApplication::setQuitOnLastWindowClosed(false);

    brivan::ui::preloadPictures();

    brivan::ui::QtPlatform platform;
    brivan::shell::Navigator navigator(platform);
    navigator.start();
    fonts.finish();
    brivan::ui::firstScreenShown();
    return QApplication::exec();
}

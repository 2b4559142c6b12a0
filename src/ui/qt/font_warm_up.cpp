#include "ui/qt/font_warm_up.h"

#include <QFontDatabase>
#include <QStringList>

#if defined(BRIVAN_HAVE_FONTCONFIG)
#include <fontconfig/fontconfig.h>
#endif

namespace brivan::ui {

FontWarmUp::FontWarmUp() {
    reader_ = std::thread([ready = applicationReady_.get_future()] {
#if defined(BRIVAN_HAVE_FONTCONFIG)
        // Loading fontconfig's configuration is the largest single cost of the first text; it is
        // loaded once per process, by whichever thread asks first, and needs no Qt.
        FcInit();
#endif
        ready.wait();
        // Qt's font database is shared by all threads, behind a lock: the main thread finds it
        // filled, or waits for the rest of the filling rather than doing it all itself.
        QFontDatabase::families();
    });
}

FontWarmUp::~FontWarmUp() {
    applicationReady();
    finish();
}

void FontWarmUp::applicationReady() {
    try {
        applicationReady_.set_value();
    } catch (const std::future_error&) {  // said already
    }
}

void FontWarmUp::finish() {
    if (reader_.joinable()) reader_.join();
}

}  // namespace brivan::ui

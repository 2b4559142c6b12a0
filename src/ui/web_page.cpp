#include "ui/web_page.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <cmath>
#include <emscripten.h>
#include <emscripten/html5.h>

#include "ui/window_placement.h"

// The page's whole area, as Qt's screen takes it: an on-screen keyboard that opens over it does not
// make the screens smaller.
EM_JS(double, brivan_page_fitting_scale, (int width, int height), {
    return Math.min(1, window.innerWidth / width, window.innerHeight / height);
});

// One audio context for the run, made at the first beep: a browser lets it sound only once the
// pilot has pressed or tapped something, as he has when an answer is judged.
EM_JS(void, brivan_page_beep, (), {
    const Context = window.AudioContext || window.webkitAudioContext;
    if (!Context) return;
    const audio = Module.brivanAudio || (Module.brivanAudio = new Context());
    if (audio.state === 'suspended') audio.resume();
    const now = audio.currentTime;
    const tone = audio.createOscillator();
    const level = audio.createGain();
    tone.frequency.value = 880;
    level.gain.setValueAtTime(0.2, now);
    level.gain.exponentialRampToValueAtTime(0.001, now + 0.15);
    tone.connect(level).connect(audio.destination);
    tone.start(now);
    tone.stop(now + 0.15);
});

// The page's own handler, given to the program with its start-up settings.
EM_JS(void, brivan_page_program_ended, (), {
    if (typeof Module.brivanEnded === 'function') Module.brivanEnded();
});

namespace brivan::ui::page {

namespace {

Size fitted{0, 0};         // the largest window, frame included
double startScale = 1.0;  // set through QT_SCALE_FACTOR, before Qt started

double fittingScale() { return brivan_page_fitting_scale(fitted.width, fitted.height); }

// A screen's window, not a drop-down list or a tool tip.
bool isScreenWindow(const QWidget* widget) { return widget->windowType() == Qt::Window; }

// No window manager places a window in the page: every screen opens in the middle of it, the
// terms screen too.
class CentresScreens final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Show && object->isWidgetType() && isScreenWindow(static_cast<QWidget*>(object)))
            placeOnScreen(static_cast<QWidget*>(object), true);
        return false;
    }
};

void started() { qApp->installEventFilter(new CentresScreens(qApp)); }

// The page was resized or the tablet turned: the screens are fitted again, through Qt's factor of
// the page's screen (on top of the one set at the start), and centred again. Qt changes no open
// window's size for a changed factor by itself: each is given its size again.
void refit() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    QHighDpiScaling::setScreenFactor(screen, fittingScale() / startScale);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        QWindow* handle = window->windowHandle();
        if (!window->isVisible() || !isScreenWindow(window) || !handle) continue;
        const QMargins frame = handle->frameMargins();
        const QPoint whole = centredFramePosition(window->size(), frame, screen->availableGeometry());
        handle->setGeometry(QRect(whole + QPoint(frame.left(), frame.top()), window->size()));
    }
}

EM_BOOL pageResized(int, const EmscriptenUiEvent*, void*) {
    if (qApp) QTimer::singleShot(0, qApp, refit);  // after Qt has taken the page's new size
    return EM_FALSE;
}

}  // namespace

void fitScreens(Size window, Size frame) {
    fitted = {window.width + frame.width, window.height + frame.height};
    // Qt's own scale factor, not a transform of the page: text stays crisp at the device's pixel
    // ratio and a tap lands on the control under the finger. Qt reads it once, as it starts.
    // Rounded down, so that the rounding never makes a screen larger than the page.
    const QByteArray scale = QByteArray::number(std::floor(fittingScale() * 1000) / 1000, 'f', 3);
    if (scale.toDouble() < 1.0) {
        qputenv("QT_SCALE_FACTOR", scale);
        startScale = scale.toDouble();
    }
    emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, pageResized);
}

void beep() { brivan_page_beep(); }

void programEnded() { brivan_page_program_ended(); }

}  // namespace brivan::ui::page

namespace {
void pageStarted() { brivan::ui::page::started(); }
}  // namespace
Q_COREAPP_STARTUP_FUNCTION(pageStarted)  // as the application object is made


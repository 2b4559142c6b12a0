#include "ui/web_page.h"

#include <emscripten.h>

namespace {

// The largest screen's client area (Limitations and the results screens, 11880 x 8640 twips) and
// what Qt adds around a window in the page: its title bar and border.
constexpr int kLargestWidth = 792;
constexpr int kLargestHeight = 576;
constexpr int kFrameWidth = 2 * 4;
constexpr int kFrameHeight = 2 * 4 + 30;

// The visual viewport is what is seen when a tablet's on-screen keyboard is down.
EM_JS(double, brivan_page_fitting_scale, (int width, int height), {
    const view = window.visualViewport;
    const seenWidth = view ? view.width : window.innerWidth;
    const seenHeight = view ? view.height : window.innerHeight;
    return Math.min(1, seenWidth / width, seenHeight / height);
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

}  // namespace

namespace brivan::ui::page {

double fittingScale() { return brivan_page_fitting_scale(kLargestWidth + kFrameWidth, kLargestHeight + kFrameHeight); }

void beep() { brivan_page_beep(); }

void programEnded() { brivan_page_program_ended(); }

}  // namespace brivan::ui::page

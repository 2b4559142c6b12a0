#pragma once
// Reads the desktop's fonts on a second thread while the main thread starts Qt and builds the
// first screen, so that the first screen's text waits for them as little as possible.
#include <future>
#include <thread>

namespace brivan::ui {

class FontWarmUp {
public:
    FontWarmUp();   // start before the application object is made
    ~FontWarmUp();  // waits for the reading to finish
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    // The application object exists: Qt's font database can now be filled.
    void applicationReady();
    // Waits for the reading to finish; call before the application object goes.
    void finish();

private:
    std::promise<void> applicationReady_;
    std::thread reader_;
};

}  // namespace brivan::ui

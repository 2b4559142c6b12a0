#pragma once
// A screen object: created on first use and kept for the run, so that its fields outlive its
// window. Loading builds the window from the layout and runs Form_Load; unloading destroys the
// window and its controls and keeps the fields.
#include <memory>

#include "ui/form.h"
#include "ui/platform.h"
#include "ui/screens.h"

namespace brivan::ui {

// What a screen may ask of the navigator: the only way screens reach each other.
class Moves {
public:
    virtual ~Moves() = default;
    // Load the target, show it, unload the screen that is open now.
    virtual void moveTo(ScreenId target) = 0;
    // Close every screen at once, running no further handler, and end the program.
    virtual void endProgram() = 0;
    // The pilot closed this screen's window with its frame.
    virtual void closedByFrame(ScreenId screen) = 0;
};

struct Services {
    Moves& moves;
    Platform& platform;
};

class Screen {
public:
    // The screen's window is built from its layout in the list of screens.
    Screen(ScreenId id, Services services);
    virtual ~Screen();
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    ScreenId id() const { return id_; }
    bool isLoaded() const { return form_ != nullptr; }
    void load();
    void show();
    void unload();

    // The loaded window; only while isLoaded().
    Form& form() const { return *form_; }

protected:
    virtual void bindHandlers(Form& form) = 0;
    virtual void Form_Load() {}

    Moves& moves() const { return services_.moves; }
    Platform& platform() const { return services_.platform; }

private:
    ScreenId id_;
    Services services_;
    std::unique_ptr<Form> form_;
};

}  // namespace brivan::ui

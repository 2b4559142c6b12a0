#pragma once
// A screen's window in the browser: elements of the page built from its layout, in the page's
// desktop area (#screen), answering the keyboard, the mouse and touch as the desktop's windows do.
#include <emscripten/val.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "ui/backend.h"
#include "ui/form.h"
#include "ui/page/drop_down_list.h"
#include "ui/page/page_control.h"

namespace brivan::ui {

class PageWindow final : public backend::Window {
public:
    explicit PageWindow(const Layout& layout);
    ~PageWindow() override;

    std::unique_ptr<ControlPeer> build(const ControlSpec& row, std::size_t index) override;
    void complete(const Form& form) override;
    Voice& voice() override;
    void onClick(std::size_t index, std::function<void()> handler) override;
    void onFrameClose(std::function<void()> handler) override;
    void show(ControlPeer* first) override;

    // Every control drawn in its colours again (the pilot changed the contrast setting).
    void redrawColours();

    // What the page's listeners report, by the window's number and the control's place in the
    // table (page_window_events.cpp).
    static void clicked(int window, int control);
    static void pressed(int window, int control);
    static void optionPressed(int window, int option, emscripten::val event);
    static void optionTextClicked(int window, int option);
    static void clientPressed(emscripten::val event);
    static void closeBoxClicked(int window);
    static void typed(int window, int control);
    static void listArrowPressed(int window, int control, emscripten::val event);
    static void listItemPicked(int window, int control, int item, emscripten::val event);
    static void boxLeft(int window, int control);
    static void keyDown(emscripten::val event);
    static void keyUp(emscripten::val event);

private:
    class PageVoice;

    PageControl& control(std::size_t index) const;
    std::size_t count() const { return layout_.controls.size(); }

    // The focus ring (page_focus.cpp).
    PageControl* focused() const;
    // Of the controls in the tab order, whether Tab stops at this one: of the option buttons, only
    // the one that last had the focus.
    bool isTabStop(const PageControl& c) const;
    // Gives the control the focus; a box that Tab (or anything that moves as Tab does) gives it
    // to has its text selected.
    void focusOn(PageControl& c, bool byTab);
    void focusNext(PageControl* from, bool forward);
    void moveAmongOptions(PageControl& from, int dx, int dy);

    // Presses (page_window_events.cpp).
    void click(PageControl& control);
    bool pressAccessKey(char letter);
    void handleKey(emscripten::val& event);

    const Layout& layout_;
    const Form* form_ = nullptr;
    const int id_;
    emscripten::val window_;
    emscripten::val client_;
    std::vector<emscripten::val> elements_;  // by the control's place in the table, until complete()
    std::vector<std::unique_ptr<DropDownList>> lists_;
    std::vector<std::function<void()>> clickHandlers_;  // by the control's place in the table
    std::function<void()> frameClose_;
    std::unique_ptr<PageVoice> voice_;
    PageControl* optionStop_ = nullptr;  // the option button that last had the focus
    bool shown_ = false;
};

}  // namespace brivan::ui

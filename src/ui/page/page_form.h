#pragma once
// A screen's window in the browser: elements of the page built from its layout, in the page's
// desktop area (#screen), answering the keyboard, the mouse and touch as the desktop's windows do.
#include <emscripten/val.h>

#include <memory>
#include <string_view>
#include <vector>

#include "ui/form.h"
#include "ui/page/drop_down_list.h"
#include "ui/page/page_control.h"

namespace brivan::ui {

class PageForm final : public Form {
public:
    explicit PageForm(const Layout& layout);
    ~PageForm() override;

    void onClick(std::string_view name, std::function<void()> handler) override;
    void onFrameClose(std::function<void()> handler) override;
    void show() override;

    // What the page's listeners report, by the form's number and the control's place in the table.
    static void clicked(int form, int control);
    static void pressed(int form, int control);
    static void closeBoxClicked(int form);
    static void typed(int form, int control);
    static void listArrowPressed(int form, int control, emscripten::val event);
    static void listItemPicked(int form, int control, int item, emscripten::val event);
    static void keyDown(emscripten::val event);
    static void keyUp(emscripten::val event);

private:
    class PageVoice;

    static PageForm* find(int id);
    static PageForm* active();

    PageControl* focused() const;
    PageControl* byName(std::string_view name) const;
    // Of the controls in the tab order, whether Tab stops at this one: of the option buttons, only
    // the one that last had the focus.
    bool isTabStop(const PageControl& c) const;
    // Gives the control the focus; a box that Tab (or anything that moves as Tab does) gives it
    // to has its text selected.
    void focusOn(PageControl& c, bool byTab);
    void focusNext(PageControl* from, bool forward);
    void moveAmongOptions(PageControl& from, int dx, int dy);
    void click(PageControl& control);
    bool pressAccessKey(char letter);
    void handleKey(emscripten::val& event);

    const int id_;
    emscripten::val window_;
    emscripten::val client_;
    std::vector<PageControl*> controls_;  // in the table's order; owned by the Form
    std::vector<std::unique_ptr<DropDownList>> lists_;
    std::vector<std::function<void()>> clickHandlers_;  // by the control's place in the table
    std::function<void()> frameClose_;
    std::unique_ptr<PageVoice> voice_;
    PageControl* optionStop_ = nullptr;  // the option button that last had the focus
    bool shown_ = false;
};

}  // namespace brivan::ui

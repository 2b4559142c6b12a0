// How a screen's window in the page answers the keyboard, the mouse and touch: the desktop's rules,
// as its tests pin them.
#include <emscripten/bind.h>

#include "ui/page/dom.h"
#include "ui/caption.h"
#include "ui/page/page_window.h"
#include "ui/page/page_windows.h"

namespace brivan::ui {

using emscripten::val;

namespace {
bool has(const val& event, const char* modifier) { return event[modifier].as<bool>(); }
}  // namespace

void PageWindow::clicked(int window, int control) {
    PageWindow* f = page_windows::find(window);
    if (!f) return;
    PageControl& c = f->control(size_t(control));
    if (!c.isVisible()) return;
    // The browser has already checked an option that was clicked; a click on the one already
    // chosen judges again, as on the desktop.
    const std::function<void()> handler = f->clickHandlers_[size_t(control)];
    if (handler) handler();
}

void PageWindow::pressed(int window, int control) {
    if (PageWindow* f = page_windows::find(window)) f->focusOn(f->control(size_t(control)), false);
}

// A press in an option's box or on its text: the option takes the focus, while it is shown.
void PageWindow::optionPressed(int window, int option, val event) {
    PageWindow* f = page_windows::find(window);
    if (!f || !f->control(size_t(option)).isVisible()) return;
    event.call<void>("preventDefault");  // the page would move the focus off a box or a text
    f->focusOn(f->control(size_t(option)), false);
}

// A click on an option's text is a click on the option: it is chosen and judged, also when it was
// chosen already.
void PageWindow::optionTextClicked(int window, int option) {
    PageWindow* f = page_windows::find(window);
    if (f && f->control(size_t(option)).isVisible()) f->click(f->control(size_t(option)));
}

// A press on what takes no focus (a label, a picture, the window's ground) leaves the focus where
// it is, as on the desktop; a browser would take it off the focused control.
void PageWindow::clientPressed(val event) {
    if (event["target"].call<val>("closest", std::string("input, button")).isNull()) event.call<void>("preventDefault");
}

void PageWindow::closeBoxClicked(int window) {
    PageWindow* f = page_windows::find(window);
    if (!f || !f->frameClose_) return;
    const std::function<void()> handler = f->frameClose_;  // it closes this window
    handler();
}

void PageWindow::typed(int window, int control) {
    if (PageWindow* f = page_windows::find(window); f && f->control(size_t(control)).list())
        f->control(size_t(control)).list()->textChanged();
}

void PageWindow::listArrowPressed(int window, int control, val event) {
    event.call<void>("preventDefault");  // the box keeps the focus
    PageWindow* f = page_windows::find(window);
    if (!f) return;
    PageControl& box = f->control(size_t(control));
    box.setFocus();
    if (box.list()->isOpen()) {
        box.list()->close();
    } else {
        box.list()->open();
    }
}

void PageWindow::listItemPicked(int window, int control, int item, val event) {
    event.call<void>("preventDefault");  // the box keeps the focus
    if (PageWindow* f = page_windows::find(window)) f->control(size_t(control)).list()->pick(item);
}

// The focus has left a drop-down box: it is described by its text again.
void PageWindow::boxLeft(int window, int control) {
    if (PageWindow* f = page_windows::find(window); f && f->control(size_t(control)).list())
        f->control(size_t(control)).list()->describe(false);
}

void PageWindow::keyDown(val event) {
    PageWindow* f = page_windows::active();
    if (!f || has(event, "isComposing")) return;
    f->handleKey(event);
}

void PageWindow::keyUp(val event) {
    // Space presses a focused button or option on its release in a browser: the press was handled
    // when the key went down.
    if (page_windows::active() && event["key"].as<std::string>() == " ") event.call<void>("preventDefault");
}

void PageWindow::handleKey(val& event) {
    const std::string key = event["key"].as<std::string>();
    const std::string code = event["code"].as<std::string>();
    const bool alt = has(event, "altKey"), ctrl = has(event, "ctrlKey"), meta = has(event, "metaKey"),
               shift = has(event, "shiftKey");
    const auto handled = [&event] { event.call<void>("preventDefault"); };
    PageControl* focus = focused();
    const ControlKind kind = focus ? focus->row().kind : ControlKind::Label;
    DropDownList* list = focus ? focus->list() : nullptr;

    // An open list takes the keys first: the arrows move in it, Enter picks, Escape closes it.
    if (list && list->isOpen()) {
        if (key == "ArrowDown" || key == "ArrowUp") {
            list->highlight(key == "ArrowDown" ? 1 : -1);
        } else if (key == "Enter") {
            list->pickHighlighted();
        } else if (key == "Escape" || key == "Tab" || (alt && key == "ArrowUp")) {
            list->close();
        } else {
            return;
        }
        handled();
        return;
    }

    // Alt with a letter presses the button whose caption underlines it. Read by the key's place,
    // so that Option with the letter works on a Mac, where it types a character.
    if (alt && !ctrl && !meta && !shift) {
        char letter = 0;
        if (code.size() == 4 && code.starts_with("Key")) letter = code[3];
        if (code.size() == 6 && code.starts_with("Digit")) letter = code[5];
        if (letter && pressAccessKey(letter)) {
            handled();
            return;
        }
    }
    if (ctrl || meta) return;  // the browser's own (copy, paste, find...)

    if (key == "Tab") {
        handled();
        if (!alt) focusNext(focus, !shift);
        return;
    }
    if (alt || shift) {
        if (alt && list && (key == "ArrowDown")) {
            list->open();
            handled();
        }
        return;
    }
    if (key == "Enter") {
        handled();
        // A focused button presses itself; elsewhere Enter presses the default button, and on a
        // screen without one it presses nothing.
        if (kind == ControlKind::Button) return click(*focus);
        for (std::size_t i = 0; i < count(); ++i)
            if (control(i).row().role == Role::Default && control(i).isVisible()) return click(control(i));
        return;
    }
    if (key == "Escape") {
        handled();
        for (std::size_t i = 0; i < count(); ++i)
            if (control(i).row().role == Role::Cancel) return click(control(i));
        return;
    }
    if (key == " " && (kind == ControlKind::Button || kind == ControlKind::OptionButton)) {
        handled();
        return click(*focus);
    }
    if (key == "F4" && list) {
        handled();
        return list->open();
    }
    const int dx = key == "ArrowRight" ? 1 : key == "ArrowLeft" ? -1 : 0;
    const int dy = key == "ArrowDown" ? 1 : key == "ArrowUp" ? -1 : 0;
    if (dx == 0 && dy == 0) return;
    if (kind == ControlKind::Button) {
        handled();
        focusNext(focus, dx + dy > 0);  // as Tab and Shift+Tab
    } else if (kind == ControlKind::OptionButton) {
        handled();
        moveAmongOptions(*focus, dx, dy);
    } else if (list && dy != 0) {
        handled();
        list->step(dy);
    } else if (kind == ControlKind::TextBox && dy != 0) {
        handled();  // a one-line box keeps its caret where it is (a browser would move it to an end)
    }
}

void PageWindow::click(PageControl& control) {
    if (control.row().kind == ControlKind::OptionButton) control.element().set("checked", true);
    // The handler may close this window: nothing of it is touched afterwards.
    const std::function<void()> handler = clickHandlers_[std::size_t(&control.row() - layout_.controls.data())];
    if (handler) handler();
}

bool PageWindow::pressAccessKey(char letter) {
    PageControl* match = nullptr;
    int matches = 0;
    for (std::size_t i = 0; i < count(); ++i) {
        PageControl& c = control(i);
        if (c.row().kind != ControlKind::Button || !c.isVisible() || readCaption(c.row().text).key != letter) continue;
        match = &c;
        ++matches;
    }
    if (matches == 0) return false;
    if (matches == 1) {  // an ambiguous key presses nothing
        match->setFocus();
        click(*match);
    }
    return true;
}

EMSCRIPTEN_BINDINGS(brivan_page_window) {
    emscripten::function("brivanClick", &PageWindow::clicked);
    emscripten::function("brivanPress", &PageWindow::pressed);
    emscripten::function("brivanPressOption", &PageWindow::optionPressed);
    emscripten::function("brivanClickOptionText", &PageWindow::optionTextClicked);
    emscripten::function("brivanClientPress", &PageWindow::clientPressed);
    emscripten::function("brivanCloseBox", &PageWindow::closeBoxClicked);
    emscripten::function("brivanTyped", &PageWindow::typed);
    emscripten::function("brivanArrow", &PageWindow::listArrowPressed);
    emscripten::function("brivanPick", &PageWindow::listItemPicked);
    emscripten::function("brivanBoxLeft", &PageWindow::boxLeft);
    emscripten::function("brivanKeyDown", &PageWindow::keyDown);
    emscripten::function("brivanKeyUp", &PageWindow::keyUp);
}

}  // namespace brivan::ui

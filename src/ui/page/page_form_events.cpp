// How a screen's window in the page answers the keyboard, the mouse and touch: the desktop's rules,
// as its tests pin them.
#include <emscripten/bind.h>

#include "ui/page/dom.h"
#include "ui/page/page_form.h"

namespace brivan::ui {

using emscripten::val;

namespace {
bool has(const val& event, const char* modifier) { return event[modifier].as<bool>(); }
}  // namespace

void PageForm::clicked(int form, int control) {
    PageForm* f = find(form);
    if (!f) return;
    PageControl& c = *f->controls_[size_t(control)];
    if (!c.isVisible()) return;
    // The browser has already checked an option that was clicked; a click on the one already
    // chosen judges again, as on the desktop.
    const std::function<void()> handler = f->clickHandlers_[size_t(control)];
    if (handler) handler();
}

void PageForm::pressed(int form, int control) {
    if (PageForm* f = find(form)) f->focusOn(*f->controls_[size_t(control)], false);
}

void PageForm::closeBoxClicked(int form) {
    PageForm* f = find(form);
    if (!f || !f->frameClose_) return;
    const std::function<void()> handler = f->frameClose_;  // it closes this window
    handler();
}

void PageForm::typed(int form, int control) {
    if (PageForm* f = find(form); f && f->controls_[size_t(control)]->list())
        f->controls_[size_t(control)]->list()->textChanged();
}

void PageForm::listArrowPressed(int form, int control, val event) {
    event.call<void>("preventDefault");  // the box keeps the focus
    PageForm* f = find(form);
    if (!f) return;
    PageControl& box = *f->controls_[size_t(control)];
    box.setFocus();
    if (box.list()->isOpen()) {
        box.list()->close();
    } else {
        box.list()->open();
    }
}

void PageForm::listItemPicked(int form, int control, int item, val event) {
    event.call<void>("preventDefault");  // the box keeps the focus
    if (PageForm* f = find(form)) f->controls_[size_t(control)]->list()->pick(item);
}

void PageForm::keyDown(val event) {
    PageForm* f = active();
    if (!f || has(event, "isComposing")) return;
    f->handleKey(event);
}

void PageForm::keyUp(val event) {
    // Space presses a focused button or option on its release in a browser: the press was handled
    // when the key went down.
    if (active() && event["key"].as<std::string>() == " ") event.call<void>("preventDefault");
}

void PageForm::handleKey(val& event) {
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
        for (PageControl* c : controls_)
            if (c->row().role == Role::Default && c->isVisible()) return click(*c);
        return;
    }
    if (key == "Escape") {
        handled();
        for (PageControl* c : controls_)
            if (c->row().role == Role::Cancel) return click(*c);
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

EMSCRIPTEN_BINDINGS(brivan_page_form) {
    emscripten::function("brivanClick", &PageForm::clicked);
    emscripten::function("brivanPress", &PageForm::pressed);
    emscripten::function("brivanCloseBox", &PageForm::closeBoxClicked);
    emscripten::function("brivanTyped", &PageForm::typed);
    emscripten::function("brivanArrow", &PageForm::listArrowPressed);
    emscripten::function("brivanPick", &PageForm::listItemPicked);
    emscripten::function("brivanKeyDown", &PageForm::keyDown);
    emscripten::function("brivanKeyUp", &PageForm::keyUp);
}

}  // namespace brivan::ui

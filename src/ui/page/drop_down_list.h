#pragma once
// The list of a drop-down box in the page: the numbers to pick from, beside a text field that keeps
// whatever is typed ("02", " 2", "two" and "" stay as typed). The list stands at the number the box
// shows, however the text got there, so that Up and Down step on from it and the opened list starts
// there, as on the desktop. A <select> cannot hold typed text; this is the ARIA combobox pattern.
// The box's description is its text (see describe()): nothing else describes a drop-down box.
#include <emscripten/val.h>

#include <string>

namespace brivan::ui {

class PageControl;

class DropDownList {
public:
    // Builds the list and the box's arrow beside the box's field and ties them to it.
    DropDownList(PageControl& box, emscripten::val& client, int formId, int controlIndex);

    bool isOpen() const { return open_; }
    void open();
    void close();
    // The box's text changed (typed or set): the list follows it where it names a number.
    void textChanged();
    // Up (-1) or Down (+1) with the list closed: the next number, taken into the box.
    void step(int by);
    // With the list open: moves the highlight, picks the highlighted number, or picks a number.
    void highlight(int by);
    void pickHighlighted();
    void pick(int item);
    void setVisible(bool visible);
    // Gives the box its text as its description, or none while it has the focus (HAS_FOCUS).
    void describe(bool hasFocus);

private:
    void show(int item);

    PageControl& box_;
    emscripten::val list_;
    emscripten::val arrow_;
    int current_ = 0;      // the item the box stands at
    int highlighted_ = 0;  // the item marked in the open list
    bool open_ = false;
};

}  // namespace brivan::ui

#include "ui/page/drop_down_list.h"

#include "ui/page/dom.h"
#include "ui/page/page_control.h"

namespace brivan::ui {

using emscripten::val;

namespace {
constexpr int kItemHeight = 16;  // pixels, as the desktop's list draws them
}

DropDownList::DropDownList(PageControl& box, val& client, int formId, int controlIndex) : box_(box) {
    const ControlSpec& row = box.row();
    const std::string id = "bw-list-" + std::to_string(formId) + "-" + std::string(row.name);
    list_ = dom::element("ul", "bw-list");
    dom::setAttribute(list_, "role", "listbox");
    dom::setAttribute(list_, "id", id);
    dom::setHidden(list_, true);
    const int left = pixels(row.left), top = pixels(row.top);
    const int width = pixels(row.width), height = pixels(row.height);
    dom::setStyle(list_, "left", dom::px(left));
    dom::setStyle(list_, "top", dom::px(top + height));
    dom::setStyle(list_, "minWidth", dom::px(width));
    for (size_t i = 0; i < row.items.size(); ++i) {
        val item = dom::element("li", "bw-item");
        dom::setAttribute(item, "role", "option");
        dom::setAttribute(item, "id", id + "-" + std::to_string(i));
        dom::setStyle(item, "height", dom::px(kItemHeight));
        dom::setText(item, row.items[i]);
        // Picked on the press, before the field would lose the focus to the list.
        dom::listen(item, "mousedown", dom::callback("brivanPick", formId, controlIndex, int(i)));
        dom::append(list_, item);
    }
    arrow_ = dom::element("span", "bw-arrow");
    dom::setAttribute(arrow_, "aria-hidden", "true");
    dom::setStyle(arrow_, "left", dom::px(left + width - 16));
    dom::setStyle(arrow_, "top", dom::px(top));
    dom::setStyle(arrow_, "height", dom::px(height));
    dom::listen(arrow_, "mousedown", dom::callback("brivanArrow", formId, controlIndex));
    dom::listen(box.element(), "blur", dom::callback("brivanBoxLeft", formId, controlIndex));

    val& field = box.element();
    dom::setAttribute(field, "role", "combobox");
    dom::setAttribute(field, "aria-autocomplete", "none");
    dom::setAttribute(field, "aria-expanded", "false");
    dom::setAttribute(field, "aria-controls", id);
    dom::append(client, arrow_);
    dom::append(client, list_);
}

void DropDownList::open() {
    if (open_ || !box_.isVisible()) return;
    open_ = true;
    show(current_);
    dom::setHidden(list_, false);
    dom::setAttribute(box_.element(), "aria-expanded", "true");
}

void DropDownList::close() {
    if (!open_) return;
    open_ = false;
    dom::setHidden(list_, true);
    dom::setAttribute(box_.element(), "aria-expanded", "false");
    dom::removeAttribute(box_.element(), "aria-activedescendant");
}

void DropDownList::show(int item) {
    val items = list_["children"];
    const int count = items["length"].as<int>();
    if (count == 0) return;
    highlighted_ = item < 0 ? 0 : item >= count ? count - 1 : item;
    for (int i = 0; i < count; ++i) {
        val li = items[i];
        dom::setAttribute(li, "aria-selected", i == highlighted_ ? "true" : "false");
    }
    dom::setAttribute(box_.element(), "aria-activedescendant", items[highlighted_]["id"].as<std::string>());
}

void DropDownList::textChanged() {
    const std::string text = box_.element()["value"].as<std::string>();
    const auto& items = box_.row().items;
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i] == text) current_ = int(i);
    describe(dom::document()["activeElement"] == box_.element());
}

// Firefox gives a screen reader no value for a text field with the combo box role (it exposes no
// value, and no child that holds the text), and Orca 48 then reads the box's name in the value's
// place: the step twice, and no number. So the box is also described by its text, exactly as it
// stands ("02" and "two" as typed, nothing for an empty box), and the number is heard with the step
// when the box gets the focus. While the box has the focus, the screen reader hears a change as
// the text changes: the description is taken away then, and given again once the focus has left,
// so that it is never out of date and a change is not heard twice.
void DropDownList::describe(bool hasFocus) {
    val& field = box_.element();
    const std::string text = field["value"].as<std::string>();
    if (hasFocus || text.empty()) {
        dom::removeAttribute(field, "aria-description");
    } else {
        dom::setAttribute(field, "aria-description", text);
    }
}

void DropDownList::step(int by) {
    const int next = current_ + by;
    if (next < 0 || next >= int(box_.row().items.size())) return;
    pick(next);
}

void DropDownList::highlight(int by) { show(highlighted_ + by); }

void DropDownList::pickHighlighted() { pick(highlighted_); }

void DropDownList::pick(int item) {
    const auto& items = box_.row().items;
    if (item < 0 || item >= int(items.size())) return;
    current_ = item;
    box_.element().set("value", std::string(items[size_t(item)]));
    close();
    describe(dom::document()["activeElement"] == box_.element());
}

void DropDownList::setVisible(bool visible) {
    if (!visible) close();
    dom::setHidden(arrow_, !visible);
}

}  // namespace brivan::ui

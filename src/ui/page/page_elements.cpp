#include "ui/page/page_elements.h"

#include <string>

#include "ui/caption.h"
#include "ui/form.h"
#include "ui/page/css.h"
#include "ui/page/dom.h"
#include "ui/pictures.h"
#include "ui/speech.h"

namespace brivan::ui {

using emscripten::val;

namespace {

constexpr int kOptionMark = 13;  // pixels: an option button's round mark

// A button's caption as the page shows it: without its marks, its access key underlined.
void fillCaption(val& button, const Caption& caption) {
    if (caption.keyAt == std::string::npos) {
        dom::setText(button, caption.shown);
        return;
    }
    const std::string_view shown = caption.shown;
    val before = dom::document().call<val>("createTextNode", std::string(shown.substr(0, caption.keyAt)));
    val key = dom::element("u");
    dom::setText(key, shown.substr(caption.keyAt, 1));
    val after = dom::document().call<val>("createTextNode", std::string(shown.substr(caption.keyAt + 1)));
    button.call<void>("append", before, key, after);
}

val makeInput(const ControlSpec& row) {
    val e = dom::element("input", row.kind == ControlKind::TextBox ? "bw-text" : "bw-combo");
    dom::setAttribute(e, "type", "text");
    for (const char* off : {"autocomplete", "autocapitalize", "autocorrect"}) dom::setAttribute(e, off, "off");
    dom::setAttribute(e, "spellcheck", "false");
    if (row.numeric) dom::setAttribute(e, "inputmode", "decimal");
    e.set("value", std::string(row.text));
    return e;
}

val makeKind(const ControlSpec& row, int window) {
    switch (row.kind) {
    case ControlKind::Label: {
        val e = dom::element("div", "bw-label");
        dom::setText(e, row.text);
        return e;
    }
    case ControlKind::TextBox:
    case ControlKind::ComboBox: return makeInput(row);
    case ControlKind::OptionButton: {
        val e = dom::element("input", "bw-option");
        dom::setAttribute(e, "type", "radio");
        dom::setAttribute(e, "name", "bw-options-" + std::to_string(window));
        return e;
    }
    case ControlKind::Button: {
        val e = dom::element("button", "bw-button");
        dom::setAttribute(e, "type", "button");
        const Caption caption = readCaption(row.text);
        fillCaption(e, caption);
        if (caption.key) dom::setAttribute(e, "aria-keyshortcuts", std::string("Alt+") + caption.key);
        return e;
    }
    case ControlKind::Picture: {
        val e = dom::element("img", "bw-picture");
        e.set("alt", std::string());
        e.set("src", std::string(row.text));
        if (const PictureFile* file = pictureFile(row.text)) e.set("srcset", std::string(file->twice) + " 2x");
        return e;
    }
    }
    return dom::element("div");
}

// What the shared layer says the control is to the screen reader, as the page's roles.
void markSpoken(val& e, SpokenAs spokenAs) {
    if (spokenAs == SpokenAs::Light) dom::setAttribute(e, "role", "img");  // named by its kind and legend
    if (spokenAs == SpokenAs::PartOfLight) dom::setAttribute(e, "aria-hidden", "true");  // read in its light's name
    // A light keeps its red or yellow under forced colours (screens.css): its colour is its kind.
    if (isPartOfALight(spokenAs)) e["classList"].call<void>("add", std::string("bw-light"));
}

void place(val& e, const ControlSpec& row) {
    dom::setStyle(e, "left", dom::px(pixels(row.left)));
    dom::setStyle(e, "top", dom::px(pixels(row.top)));
    dom::setStyle(e, "width", dom::px(pixels(row.width)));
    dom::setStyle(e, "height", dom::px(pixels(row.height)));
}

// An option button's box: a <label> around its mark, so that a click or a tap anywhere in it
// reaches the option as the browser's own click on it. The mark is drawn at its size at the
// left, in the middle of the box, as the desktop draws it; the choice beside it is a label of
// its own.
val optionBox(val& mark, const ControlSpec& row, int window, int index) {
    val box = dom::element("label", "bw-option-box");
    place(box, row);
    dom::setStyle(mark, "left", dom::px(0));
    dom::setStyle(mark, "top", dom::px((pixels(row.height) - kOptionMark) / 2));
    dom::setStyle(mark, "width", dom::px(kOptionMark));
    dom::setStyle(mark, "height", dom::px(kOptionMark));
    dom::append(box, mark);
    // A press in the box gives the option the focus, as on the desktop (Safari would not).
    dom::listen(box, "mousedown", dom::callback("brivanPressOption", window, index));
    return box;
}

}  // namespace

PageElement makeElement(const ControlSpec& row, int window, int index) {
    val e = makeKind(row, window);
    markSpoken(e, speech::spokenAs(row));
    dom::setAttribute(e, "data-name", row.name);
    if (takesFocus(row.kind)) e.set("tabIndex", row.tab == kNoTab ? -1 : 0);
    if (row.kind != ControlKind::OptionButton) place(e, row);
    dom::setStyle(e, "fontFamily", css::fontFamily(row.font.face));
    dom::setStyle(e, "fontSize", css::fontSize(row.font.points));
    if (row.font.bold) dom::setStyle(e, "fontWeight", "bold");
    if (row.kind == ControlKind::Label && row.align == Align::Centre) dom::setStyle(e, "textAlign", "center");
    if (!row.toolTip.empty()) e.set("title", std::string(row.toolTip));
    if (row.kind == ControlKind::Button || row.kind == ControlKind::OptionButton)
        dom::listen(e, "click", dom::callback("brivanClick", window, index));
    // A click focuses what it presses on every browser, as on the desktop (Safari would not).
    if (row.kind == ControlKind::Button) dom::listen(e, "mousedown", dom::callback("brivanPress", window, index));
    if (row.kind == ControlKind::ComboBox) dom::listen(e, "input", dom::callback("brivanTyped", window, index));
    if (row.kind == ControlKind::OptionButton) return {e, optionBox(e, row, window, index)};
    return {e, e};
}

}  // namespace brivan::ui

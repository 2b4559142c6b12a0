#include "ui/page/page_window_frame.h"

#include <string>

#include "ui/layout.h"
#include "ui/page/css.h"
#include "ui/page/dom.h"
#include "ui/pictures.h"

namespace brivan::ui {

using emscripten::val;

namespace {

val titleBar(const WindowSpec& row, int window) {
    val bar = dom::element("div", "bw-titlebar");
    if (row.icon) {
        const PictureFile& file = windowIcon();
        val icon = dom::element("img", "bw-icon");
        icon.set("alt", std::string());
        icon.set("src", std::string(file.name));
        icon.set("srcset", std::string(file.twice) + " 2x");
        dom::append(bar, icon);
    }
    val caption = dom::element("span", "bw-caption");
    dom::setText(caption, row.caption);
    dom::append(bar, caption);
    val close = dom::element("button", "bw-close");
    dom::setAttribute(close, "type", "button");
    dom::setAttribute(close, "aria-label", "Close");
    close.set("tabIndex", -1);
    dom::setText(close, "\u00D7");
    dom::listen(close, "click", dom::callback("brivanCloseBox", window));
    dom::append(bar, close);
    return bar;
}

}  // namespace

WindowFrame makeWindowFrame(const WindowSpec& row, int window) {
    WindowFrame frame{dom::element("div", "bw-window"), dom::element("div", "bw-client")};
    dom::setAttribute(frame.window, "role", "dialog");
    dom::setAttribute(frame.window, "aria-label", row.caption);
    dom::setHidden(frame.window, true);
    dom::append(frame.window, titleBar(row, window));

    if (!row.description.empty()) {
        val description = dom::element("div", "brivan-unseen");
        const std::string id = "bw-description-" + std::to_string(window);
        dom::setAttribute(description, "id", id);
        dom::setText(description, row.description);
        dom::append(frame.window, description);
        dom::setAttribute(frame.window, "aria-describedby", id);
    }

    dom::setStyle(frame.client, "width", dom::px(pixels(row.width)));
    dom::setStyle(frame.client, "height", dom::px(pixels(row.height)));
    dom::setStyle(frame.client, "backgroundColor", css::colour(row.back));
    dom::setStyle(frame.client, "fontFamily", css::fontFamily(kDefaultFont.face));
    dom::setStyle(frame.client, "fontSize", css::fontSize(kDefaultFont.points));
    dom::append(frame.window, frame.client);
    return frame;
}

}  // namespace brivan::ui

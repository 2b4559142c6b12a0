#include "ui/page/page_form.h"

#include <emscripten/bind.h>

#include <algorithm>
#include <map>
#include <string>

#include "ui/page/dom.h"
#include "ui/page/later.h"
#include "ui/page/look.h"
#include "ui/page/page_fit.h"

namespace brivan::ui {

using emscripten::val;

namespace {


constexpr int kOptionMark = 13;  // pixels: an option button's round mark

std::map<int, PageForm*>& forms() {
    static auto* open = new std::map<int, PageForm*>;  // the program outlives main: never destroyed
    return *open;
}
int lastShown = -1;
int nextId = 0;

// The letter after "&" in a caption: its access key (Alt with the letter), upper-cased.
char accessKey(std::string_view caption) {
    const size_t amp = caption.find('&');
    if (amp == std::string_view::npos || amp + 1 >= caption.size()) return 0;
    const char c = caption[amp + 1];
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

// A button's caption as the page shows it: without "&", its access key underlined.
void fillCaption(val& button, std::string_view caption) {
    const size_t amp = caption.find('&');
    if (amp == std::string_view::npos || amp + 1 >= caption.size()) {
        dom::setText(button, caption);
        return;
    }
    val before = dom::document().call<val>("createTextNode", std::string(caption.substr(0, amp)));
    val key = dom::element("u");
    dom::setText(key, caption.substr(amp + 1, 1));
    val after = dom::document().call<val>("createTextNode", std::string(caption.substr(amp + 2)));
    button.call<void>("append", before, key, after);
}

val build(const ControlSpec& row, int formId, int index) {
    val e = val::undefined();
    switch (row.kind) {
    case ControlKind::Label:
        e = dom::element("div", "bw-label");
        dom::setText(e, row.text);
        if (row.speech.light) dom::setAttribute(e, "role", "img");
        if (!row.speech.partOf.empty()) dom::setAttribute(e, "aria-hidden", "true");  // read in its light's name
        break;
    case ControlKind::TextBox:
    case ControlKind::ComboBox:
        e = dom::element("input", row.kind == ControlKind::TextBox ? "bw-text" : "bw-combo");
        dom::setAttribute(e, "type", "text");
        for (const char* off : {"autocomplete", "autocapitalize", "autocorrect"}) dom::setAttribute(e, off, "off");
        dom::setAttribute(e, "spellcheck", "false");
        if (row.numeric) dom::setAttribute(e, "inputmode", "decimal");
        e.set("value", std::string(row.text));
        break;
    case ControlKind::OptionButton:
        e = dom::element("input", "bw-option");
        dom::setAttribute(e, "type", "radio");
        dom::setAttribute(e, "name", "bw-options-" + std::to_string(formId));
        break;
    case ControlKind::Button:
        e = dom::element("button", "bw-button");
        dom::setAttribute(e, "type", "button");
        fillCaption(e, row.text);
        if (const char key = accessKey(row.text)) dom::setAttribute(e, "aria-keyshortcuts", std::string("Alt+") + key);
        break;
    case ControlKind::Picture:
        e = dom::element("img", "bw-picture");
        e.set("alt", std::string());
        e.set("src", std::string(row.text));
        {
            const std::string name(row.text);
            const size_t dot = name.rfind('.');
            e.set("srcset", name.substr(0, dot) + "@2x" + name.substr(dot) + " 2x");
        }
        break;
    }
    dom::setAttribute(e, "data-name", row.name);
    if (takesFocus(row.kind)) e.set("tabIndex", row.tab == kNoTab ? -1 : 0);
    dom::setStyle(e, "left", dom::px(pixels(row.left)));
    if (row.kind == ControlKind::OptionButton) {
        // Only the round mark: drawn at its size at the left, in the middle of the row, as the
        // desktop draws it; the choice beside it is a label of its own.
        dom::setStyle(e, "top", dom::px(pixels(row.top) + (pixels(row.height) - kOptionMark) / 2));
        dom::setStyle(e, "width", dom::px(kOptionMark));
        dom::setStyle(e, "height", dom::px(kOptionMark));
    } else {
        dom::setStyle(e, "top", dom::px(pixels(row.top)));
        dom::setStyle(e, "width", dom::px(pixels(row.width)));
        dom::setStyle(e, "height", dom::px(pixels(row.height)));
    }
    dom::setStyle(e, "fontFamily", look::fontFamily(row.font.face));
    dom::setStyle(e, "fontSize", look::fontSize(row.font.points));
    if (row.font.bold) dom::setStyle(e, "fontWeight", "bold");
    if (row.kind == ControlKind::Label) {
        dom::setStyle(e, "color", look::colour(row.fore.value_or(colours::ButtonText)));
        dom::setStyle(e, "backgroundColor", look::colour(row.back.value_or(colours::ButtonFace)));
        if (row.align == Align::Centre) dom::setStyle(e, "textAlign", "center");
    }
    if (!row.toolTip.empty()) e.set("title", std::string(row.toolTip));
    if (row.kind == ControlKind::Button || row.kind == ControlKind::OptionButton) {
        dom::listen(e, "click", dom::callback("brivanClick", formId, index));
        // A click focuses what it presses on every browser, as on the desktop (Safari would not).
        dom::listen(e, "mousedown", dom::callback("brivanPress", formId, index));
    }
    if (row.kind == ControlKind::ComboBox) dom::listen(e, "input", dom::callback("brivanTyped", formId, index));
    return e;
}

}  // namespace

// What the shared rules tell goes into the page's live region, once the handler is done.
class PageForm::PageVoice final : public Voice {
public:
    explicit PageVoice(const PageForm& form) : form_(form) {}
    void afterHandler(std::function<void()> fn) override { page::later(std::move(fn)); }
    bool windowShown() const override { return form_.shown_; }
    void announce(const std::string& words) override {
        val region = dom::document().call<val>("getElementById", std::string("brivan-said"));
        if (region.isNull()) return;
        // A new line each time, so that the same verdict twice in a row is read twice.
        val line = dom::element("p");
        dom::setText(line, words);
        region.call<void>("replaceChildren", line);
    }

private:
    const PageForm& form_;
};

PageForm::PageForm(const Layout& layout)
    : Form(layout), id_(nextId++), window_(dom::element("div", "bw-window")), client_(dom::element("div", "bw-client")) {
    forms()[id_] = this;
    const WindowSpec& frame = layout.window;
    dom::setAttribute(window_, "role", "dialog");
    dom::setAttribute(window_, "aria-label", frame.caption);
    dom::setHidden(window_, true);

    val bar = dom::element("div", "bw-titlebar");
    if (frame.icon) {
        val icon = dom::element("img", "bw-icon");
        icon.set("alt", std::string());
        icon.set("src", std::string("window_icon.png"));
        icon.set("srcset", std::string("window_icon@2x.png 2x"));
        dom::append(bar, icon);
    }
    val caption = dom::element("span", "bw-caption");
    dom::setText(caption, frame.caption);
    dom::append(bar, caption);
    val close = dom::element("button", "bw-close");
    dom::setAttribute(close, "type", "button");
    dom::setAttribute(close, "aria-label", "Close");
    close.set("tabIndex", -1);
    dom::setText(close, "\u00D7");
    dom::listen(close, "click", dom::callback("brivanCloseBox", id_));
    dom::append(bar, close);
    dom::append(window_, bar);

    if (!frame.description.empty()) {
        val description = dom::element("div", "brivan-unseen");
        const std::string id = "bw-description-" + std::to_string(id_);
        dom::setAttribute(description, "id", id);
        dom::setText(description, frame.description);
        dom::append(window_, description);
        dom::setAttribute(window_, "aria-describedby", id);
    }

    dom::setStyle(client_, "width", dom::px(pixels(frame.width)));
    dom::setStyle(client_, "height", dom::px(pixels(frame.height)));
    dom::setStyle(client_, "backgroundColor", look::colour(frame.back));
    dom::setStyle(client_, "fontFamily", look::fontFamily(kDefaultFont.face));
    dom::setStyle(client_, "fontSize", look::fontSize(kDefaultFont.points));

    const int count = int(layout.controls.size());
    clickHandlers_.resize(size_t(count));
    std::vector<val> elements;
    for (int i = 0; i < count; ++i) {
        const ControlSpec& row = layout.controls[size_t(i)];
        val e = build(row, id_, i);
        // The tables list controls front to back.
        dom::setStyle(e, "zIndex", std::to_string(count - i));
        auto peer = std::make_unique<PageControl>(e, row);
        PageControl* control = peer.get();
        control->losingFocus = [this, control] { focusNext(control, true); };
        controls_.push_back(control);
        adopt(row.name, std::move(peer));
        elements.push_back(e);
    }
    // In the page in tab order, the pictures first: the order a screen reader reads them in.
    std::vector<int> order(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) order[size_t(i)] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return layout.controls[size_t(a)].tab < layout.controls[size_t(b)].tab; });
    for (int i : order) dom::append(client_, elements[size_t(i)]);
    for (int i = 0; i < count; ++i) {
        if (controls_[size_t(i)]->row().kind != ControlKind::ComboBox) continue;
        lists_.push_back(std::make_unique<DropDownList>(*controls_[size_t(i)], client_, id_, i));
        controls_[size_t(i)]->setList(lists_.back().get());
        lists_.back()->textChanged();
    }
    dom::append(window_, client_);

    voice_ = std::make_unique<PageVoice>(*this);
    startSpeaking(*voice_);
}

PageForm::~PageForm() {
    forms().erase(id_);
    if (lastShown == id_) lastShown = -1;
    shown_ = false;
    // Hidden at once; taken out of the page once the handler that closed it has returned.
    dom::setHidden(window_, true);
    page::later([window = window_] { window.call<void>("remove"); });
}

void PageForm::onClick(std::string_view name, std::function<void()> handler) {
    for (size_t i = 0; i < controls_.size(); ++i)
        if (controls_[i]->row().name == name) clickHandlers_[i] = std::move(handler);
}

void PageForm::onFrameClose(std::function<void()> handler) { frameClose_ = std::move(handler); }

void PageForm::show() {
    val screen = dom::document().call<val>("getElementById", std::string("screen"));
    if (!screen.isNull()) dom::append(screen, window_);
    dom::setHidden(window_, false);
    shown_ = true;
    lastShown = id_;
    page::fit(window_);
    if (const ControlSpec* first = firstInTabOrder()) focusOn(*byName(first->name), true);
}

PageForm* PageForm::find(int id) {
    const auto it = forms().find(id);
    return it == forms().end() ? nullptr : it->second;
}

PageForm* PageForm::active() { return find(lastShown); }

PageControl* PageForm::byName(std::string_view name) const {
    for (PageControl* c : controls_)
        if (c->row().name == name) return c;
    return nullptr;
}

PageControl* PageForm::focused() const {
    const val focus = dom::document()["activeElement"];
    for (PageControl* c : controls_)
        if (c->element() == focus) return c;
    return nullptr;
}

// As on the desktop, the window's option buttons are one Tab stop once one of them has had the
// focus: that one, chosen or not.
bool PageForm::isTabStop(const PageControl& c) const {
    return c.row().kind != ControlKind::OptionButton || !optionStop_ || &c == optionStop_;
}

void PageForm::focusOn(PageControl& c, bool byTab) {
    c.setFocus();
    if (!c.isVisible()) return;
    const ControlKind kind = c.row().kind;
    if (kind == ControlKind::OptionButton) optionStop_ = &c;
    if (byTab && (kind == ControlKind::TextBox || kind == ControlKind::ComboBox)) c.element().call<void>("select");
}

void PageForm::focusNext(PageControl* from, bool forward) {
    // The window's chain is a ring: Tab after the last control comes back to the first.
    std::vector<PageControl*> chain;
    for (const ControlSpec* row : tabOrder(layout())) {
        PageControl* c = controls_[size_t(row - layout().controls.data())];
        if (c == from || (isTabStop(*c) && c->isVisible())) chain.push_back(c);
    }
    if (chain.empty()) return;
    const auto at = std::find(chain.begin(), chain.end(), from);
    const int n = int(chain.size());
    int i = at == chain.end() ? (forward ? -1 : n) : int(at - chain.begin());
    for (int step = 0; step < n; ++step) {
        i = (i + (forward ? 1 : -1) + n) % n;
        if (chain[size_t(i)] != from) {
            focusOn(*chain[size_t(i)], true);
            return;
        }
    }
}

// The arrow keys among option buttons, as the desktop moves them: to the nearest option in the
// arrow's direction, the one straight above or below first; the one left behind passes its choice
// on, as a click.
void PageForm::moveAmongOptions(PageControl& from, int dx, int dy) {
    const auto centre = [](const PageControl& c) {
        const ControlSpec& r = c.row();
        const int l = pixels(r.left), t = pixels(r.top);
        return std::pair<int, int>{(l + l + pixels(r.width) - 1) / 2, (t + t + pixels(r.height) - 1) / 2};
    };
    const ControlSpec& f = from.row();
    const int fl = pixels(f.left), fr = fl + pixels(f.width) - 1, ft = pixels(f.top), fb = ft + pixels(f.height) - 1;
    const auto [gx, gy] = centre(from);
    PageControl* candidate = nullptr;
    long long best = -1;
    for (PageControl* c : controls_) {
        if (c == &from || c->row().kind != ControlKind::OptionButton || !c->isVisible()) continue;
        const ControlSpec& r = c->row();
        const int l = pixels(r.left), rt = l + pixels(r.width) - 1, t = pixels(r.top), b = t + pixels(r.height) - 1;
        const auto [x, y] = centre(*c);
        long long score;
        if (l < fr && fl < rt && dy != 0) {
            score = (static_cast<long long>(std::abs(y - gy)) << 16) + std::abs(x - gx);
        } else if (t < fb && ft < b && dx != 0) {
            score = (static_cast<long long>(std::abs(x - gx)) << 16) + std::abs(y - gy);
        } else {
            score = (1LL << 30) + (y - gy) * (y - gy) + (x - gx) * (x - gx);
        }
        if (score > best && candidate) continue;
        if ((dy < 0 && y < gy) || (dy > 0 && y > gy) || (dx < 0 && x < gx) || (dx > 0 && x > gx)) {
            candidate = c;
            best = score;
        }
    }
    if (!candidate) return;
    if (from.isChecked()) click(*candidate);  // an option's handler never closes its window
    focusOn(*candidate, false);
}

void PageForm::click(PageControl& control) {
    if (control.row().kind == ControlKind::OptionButton) control.element().set("checked", true);
    // The handler may close this window: nothing of it is touched afterwards.
    const std::function<void()> handler = clickHandlers_[size_t(std::find(controls_.begin(), controls_.end(), &control) -
                                                                controls_.begin())];
    if (handler) handler();
}

bool PageForm::pressAccessKey(char letter) {
    PageControl* match = nullptr;
    int matches = 0;
    for (PageControl* c : controls_) {
        if (c->row().kind != ControlKind::Button || !c->isVisible() || accessKey(c->row().text) != letter) continue;
        match = c;
        ++matches;
    }
    if (matches == 0) return false;
    if (matches == 1) {  // an ambiguous key presses nothing
        match->setFocus();
        click(*match);
    }
    return true;
}

}  // namespace brivan::ui

namespace brivan::ui {
std::unique_ptr<Form> openForm(const Layout& layout) { return std::make_unique<PageForm>(layout); }
}  // namespace brivan::ui

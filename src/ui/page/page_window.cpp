#include "ui/page/page_window.h"

#include <algorithm>
#include <string>

#include "ui/page/dom.h"
#include "ui/page/later.h"
#include "ui/page/page_elements.h"
#include "ui/page/page_fit.h"
#include "ui/page/page_window_frame.h"
#include "ui/page/page_windows.h"

namespace brivan::ui {

using emscripten::val;

namespace {
// How long a closed window stays in the accessibility tree after the next window's focus was told.
constexpr int kLeavingMs = 1000;
}  // namespace

// What the shared rules tell goes into the page's live region, once the handler is done.
class PageWindow::PageVoice final : public Voice {
public:
    explicit PageVoice(const PageWindow& window) : window_(window) {}
    void afterHandler(std::function<void()> fn) override { page::later(std::move(fn)); }
    bool windowShown() const override { return window_.shown_; }
    void announce(const std::string& words) override {
        val region = dom::document().call<val>("getElementById", std::string("brivan-said"));
        if (region.isNull()) return;
        // A new line each time, so that the same verdict twice in a row is read twice.
        val line = dom::element("p");
        dom::setText(line, words);
        region.call<void>("replaceChildren", line);
    }

private:
    const PageWindow& window_;
};

std::unique_ptr<backend::Window> backend::openWindow(const Layout& layout) {
    return std::make_unique<PageWindow>(layout);
}

PageWindow::PageWindow(const Layout& layout)
    : layout_(layout), id_(page_windows::add(this)), voice_(std::make_unique<PageVoice>(*this)) {
    WindowFrame frame = makeWindowFrame(layout.window, id_);
    window_ = frame.window;
    client_ = frame.client;
    dom::listen(client_, "mousedown", val::module_property("brivanClientPress"));
    clickHandlers_.resize(count());
}

PageWindow::~PageWindow() {
    page_windows::remove(id_);
    shown_ = false;
    // Closed at once for the program and the pilot: hidden, and no longer drawn. But it stays in the
    // page's accessibility tree until the screen reader has heard of the focus moving into the
    // window that replaces it (the navigator shows that one first), so that it hears the focus
    // leave this window for that one and says that one's name. Orca 43 in Firefox said only the
    // focused control: where this window went in the same batch of changes as the new one came,
    // Orca moved its own focus into the new window first, so that the focus seemed to stay in one
    // window; where this window went before Orca had handled the focus event, Orca took the old
    // focus for dead and moved without a word. Firefox tells of the focus in the next frame; Orca
    // handles it some time after that, later on a busy machine: the margin is for that.
    dom::setHidden(window_, true);
    window_["classList"].call<void>("add", std::string("bw-leaving"));
    page::afterNextFrame(
        [window = window_] {
            // The page's caret (where a screen reader's reading stands) may still be in this window,
            // in a box typed in: it is given up first, or the browser would move it into the next
            // window as this one goes, and Orca would follow it there, away from the control with
            // the focus, and say the window's name again at the next focus move.
            val selection = val::global("getSelection")();
            if (!selection.isNull() && selection["rangeCount"].as<int>() > 0 &&
                window.call<bool>("contains", selection["anchorNode"]))
                selection.call<void>("removeAllRanges");
            window.call<void>("remove");
        },
        kLeavingMs);
}

std::unique_ptr<ControlPeer> PageWindow::build(const ControlSpec& row, std::size_t index) {
    PageElement e = makeElement(row, id_, int(index));
    // The tables list controls front to back.
    dom::setStyle(e.box, "zIndex", std::to_string(count() - index));
    elements_.push_back(e.box);
    auto control = std::make_unique<PageControl>(e.element, e.box, row);
    control->losingFocus = [this, c = control.get()] { focusNext(c, true); };
    return control;
}

void PageWindow::complete(const Form& form) {
    form_ = &form;
    // In the page in tab order, the pictures first: the order a screen reader reads them in.
    std::vector<std::size_t> order(count());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return layout_.controls[a].tab < layout_.controls[b].tab; });
    for (std::size_t i : order) dom::append(client_, elements_[i]);
    elements_.clear();
    // A click or a tap on an option's text chooses the option, while it is shown.
    for (std::size_t i = 0; i < count(); ++i) {
        const ControlSpec* option = optionOfText(layout_, layout_.controls[i]);
        if (!option) continue;
        const int optionIndex = int(option - layout_.controls.data());
        dom::listen(control(i).element(), "mousedown", dom::callback("brivanPressOption", id_, optionIndex));
        dom::listen(control(i).element(), "click", dom::callback("brivanClickOptionText", id_, optionIndex));
    }
    for (std::size_t i = 0; i < count(); ++i) {
        if (layout_.controls[i].kind != ControlKind::ComboBox) continue;
        lists_.push_back(std::make_unique<DropDownList>(control(i), client_, id_, int(i)));
        control(i).setList(lists_.back().get());
        lists_.back()->textChanged();
    }
}

Voice& PageWindow::voice() { return *voice_; }

void PageWindow::onClick(std::size_t index, std::function<void()> handler) { clickHandlers_.at(index) = std::move(handler); }

void PageWindow::onFrameClose(std::function<void()> handler) { frameClose_ = std::move(handler); }

void PageWindow::show(ControlPeer* first) {
    val screen = dom::document().call<val>("getElementById", std::string("screen"));
    if (!screen.isNull()) dom::append(screen, window_);
    dom::setHidden(window_, false);
    shown_ = true;
    page_windows::shown(id_);
    page::fit(window_);
    if (first) focusOn(static_cast<PageControl&>(*first), true);
}

void PageWindow::redrawColours() {
    for (std::size_t i = 0; i < count(); ++i) control(i).redrawColours();
}

PageControl& PageWindow::control(std::size_t index) const { return static_cast<PageControl&>(form_->peerAt(index)); }

}  // namespace brivan::ui

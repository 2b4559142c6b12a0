// The focus ring of a window in the page: the tab order that Tab and Shift+Tab go round, the
// option buttons as one stop, and the arrow keys among the option buttons.
#include <algorithm>
#include <vector>

#include "ui/page/dom.h"
#include "ui/page/option_arrows.h"
#include "ui/page/page_window.h"

namespace brivan::ui {

using emscripten::val;

PageControl* PageWindow::focused() const {
    const val focus = dom::document()["activeElement"];
    for (std::size_t i = 0; i < count(); ++i)
        if (control(i).element() == focus) return &control(i);
    return nullptr;
}

// As on the desktop, the window's option buttons are one Tab stop once one of them has had the
// focus: that one, chosen or not.
bool PageWindow::isTabStop(const PageControl& c) const {
    return c.row().kind != ControlKind::OptionButton || !optionStop_ || &c == optionStop_;
}

void PageWindow::focusOn(PageControl& c, bool byTab) {
    c.setFocus();
    if (!c.isVisible()) return;
    const ControlKind kind = c.row().kind;
    if (kind == ControlKind::OptionButton) optionStop_ = &c;
    if (byTab && (kind == ControlKind::TextBox || kind == ControlKind::ComboBox)) c.element().call<void>("select");
}

void PageWindow::focusNext(PageControl* from, bool forward) {
    // The window's chain is a ring: Tab after the last control comes back to the first.
    std::vector<PageControl*> chain;
    for (const ControlSpec* row : tabOrder(layout_)) {
        PageControl* c = &control(std::size_t(row - layout_.controls.data()));
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

// The one left behind passes its choice on, as a click.
void PageWindow::moveAmongOptions(PageControl& from, int dx, int dy) {
    std::vector<const ControlSpec*> shown;
    for (std::size_t i = 0; i < count(); ++i)
        if (&control(i) != &from && control(i).row().kind == ControlKind::OptionButton && control(i).isVisible())
            shown.push_back(&control(i).row());
    const ControlSpec* next = optionInDirection(from.row(), shown, dx, dy);
    if (!next) return;
    PageControl& candidate = control(std::size_t(next - layout_.controls.data()));
    if (from.isChecked()) click(candidate);  // an option's handler never closes its window
    focusOn(candidate, false);
}

}  // namespace brivan::ui

#include "shell/navigator.h"

#include "quiz/annunciators/frm_brivan_ann.h"
#include "quiz/limitations/frm_brivan.h"
#include "quiz/memory_items/frm_brivan_mem.h"
#include "results/results_screen.h"
#include "shell/frm_brivan_intro.h"

namespace brivan::shell {

using ui::ScreenId;

Navigator::Navigator(ui::Platform& platform) : platform_(platform) {}

Navigator::~Navigator() {
    for (auto& screen : screens_)
        if (screen) screen->unload();
}

std::unique_ptr<ui::Screen> Navigator::create(ScreenId id) {
    using results::ResultsScreen;
    using results::ResultsTargets;
    const ui::Services services{*this, platform_};
    switch (id) {
    case ScreenId::frmBrivanIntro: return std::make_unique<frmBrivanIntro>(services);
    case ScreenId::frmBrivan: return std::make_unique<quiz::limitations::frmBrivan>(services);
    case ScreenId::frmBrivanAnn: return std::make_unique<quiz::annunciators::frmBrivanAnn>(services);
    case ScreenId::frmBrivanMem: return std::make_unique<quiz::memory_items::frmBrivanMem>(services);
    case ScreenId::frmBrivanEnd:
        return std::make_unique<ResultsScreen>(
            id, screen(ScreenId::frmBrivan),
            ResultsTargets{ScreenId::frmBrivan, ScreenId::frmBrivanAnn, ScreenId::frmBrivanMem}, services);
    case ScreenId::frmAnnEnd:
        return std::make_unique<ResultsScreen>(
            id, screen(ScreenId::frmBrivanAnn),
            ResultsTargets{ScreenId::frmBrivanAnn, ScreenId::frmBrivanMem, ScreenId::frmBrivan}, services);
    case ScreenId::frmMemEnd:
        return std::make_unique<ResultsScreen>(
            id, screen(ScreenId::frmBrivanMem),
            ResultsTargets{ScreenId::frmBrivanMem, ScreenId::frmBrivanAnn, ScreenId::frmBrivan}, services);
    }
    return nullptr;
}

ui::Screen& Navigator::screen(ScreenId id) {
    auto& slot = screens_[static_cast<size_t>(id)];
    if (!slot) slot = create(id);
    return *slot;
}

ui::Screen* Navigator::current() const {
    for (const auto& screen : screens_)
        if (screen && screen->isLoaded()) return screen.get();
    return nullptr;
}

void Navigator::start() {
    ended_ = false;
    moveTo(ScreenId::frmBrivanIntro);
}

void Navigator::moveTo(ScreenId target) {
    ui::Screen* from = current();
    ui::Screen& to = screen(target);
    if (&to == from) return;
    // The target loads while the current screen is still loaded: a results screen reads its quiz's
    // percentage line in its Form_Load. Showing before unloading keeps one window always open.
    to.load();
    to.show();
    if (from) from->unload();
}

void Navigator::endProgram() {
    for (auto& screen : screens_)
        if (screen) screen->unload();
    ended_ = true;
    platform_.quit();
}

void Navigator::closedByFrame(ScreenId id) {
    screen(id).unload();
    if (!current()) endProgram();
}

}  // namespace brivan::shell

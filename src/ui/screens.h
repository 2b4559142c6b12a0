#pragma once
// Every screen of the program with its layout table: the one list of them. The navigator makes
// each screen object; everything that walks every screen (the fit of the largest window, the
// tests) walks this list.
#include <cstddef>
#include <iterator>

#include "ui/layout.h"
#include "ui/layouts/layouts.h"

namespace brivan::ui {

enum class ScreenId {
    frmBrivanIntro,
    frmBrivan,
    frmBrivanAnn,
    frmBrivanMem,
    frmBrivanEnd,
    frmAnnEnd,
    frmMemEnd,
};

struct ScreenDesign {
    ScreenId id;
    const Layout& (*layout)();
};

// In the order of ScreenId.
inline constexpr ScreenDesign kScreens[] = {
    {ScreenId::frmBrivanIntro, introLayout},
    {ScreenId::frmBrivan, limitationsLayout},
    {ScreenId::frmBrivanAnn, annunciatorsLayout},
    {ScreenId::frmBrivanMem, memoryItemsLayout},
    {ScreenId::frmBrivanEnd, []() -> const Layout& { return resultsLayout(ResultsOf::Limitations); }},
    {ScreenId::frmAnnEnd, []() -> const Layout& { return resultsLayout(ResultsOf::Annunciators); }},
    {ScreenId::frmMemEnd, []() -> const Layout& { return resultsLayout(ResultsOf::MemoryItems); }},
};
inline constexpr int kScreenCount = int(std::size(kScreens));

static_assert([] {
    for (int i = 0; i < kScreenCount; ++i)
        if (kScreens[i].id != ScreenId(i)) return false;
    return true;
}(), "kScreens lists every screen in the order of ScreenId");

inline const Layout& layoutOf(ScreenId id) { return kScreens[std::size_t(id)].layout(); }

}  // namespace brivan::ui

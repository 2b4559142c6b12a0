#pragma once
// The layout table of each screen, for tests that walk every screen.
#include "ui/layouts/layouts.h"
#include "ui/screen.h"

namespace brivan::testing {

inline const ui::Layout& layoutOf(ui::ScreenId id) {
    using ui::ScreenId;
    switch (id) {
    case ScreenId::frmBrivanIntro: return ui::introLayout();
    case ScreenId::frmBrivan: return ui::limitationsLayout();
    case ScreenId::frmBrivanAnn: return ui::annunciatorsLayout();
    case ScreenId::frmBrivanMem: return ui::memoryItemsLayout();
    case ScreenId::frmBrivanEnd: return ui::resultsLayout(ui::ResultsOf::Limitations);
    case ScreenId::frmAnnEnd: return ui::resultsLayout(ui::ResultsOf::Annunciators);
    case ScreenId::frmMemEnd: return ui::resultsLayout(ui::ResultsOf::MemoryItems);
    }
    return ui::introLayout();
}

}  // namespace brivan::testing

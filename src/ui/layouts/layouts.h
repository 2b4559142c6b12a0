#pragma once
// The design of every screen, one table each.
#include "ui/layout.h"

namespace brivan::ui {

// The results screens share one table; they differ only in their two quiz buttons.
enum class ResultsOf { Limitations, Annunciators, MemoryItems };

const Layout& introLayout();
const Layout& limitationsLayout();
const Layout& annunciatorsLayout();
const Layout& memoryItemsLayout();
const Layout& resultsLayout(ResultsOf quiz);

}  // namespace brivan::ui

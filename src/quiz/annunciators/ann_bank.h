#pragma once
// The 46 warning and caution lights of the Annunciators quiz, in the order they are asked.
#include <array>
#include <span>
#include <string_view>

#include "ui/colour.h"

namespace brivan::quiz::annunciators {

struct AnnQuestion {
    std::string_view answer;               // correct letter: "A" to "D"
    std::string_view legend1;              // upper legend line, shown in lblAnn
    std::string_view legend2;              // lower legend line, "" for a one-line legend
    ui::Colour light;                      // colours::Red for a warning, colours::Yellow for a caution
    std::array<std::string_view, 4> options;  // "A. ..." to "D. ..."
    std::string_view reference;
};

inline constexpr int kAnnCount = 46;

std::span<const AnnQuestion> AnnBank();

// Row k (1 to 46), or nullptr for any other number.
const AnnQuestion* annRow(int k);

}  // namespace brivan::quiz::annunciators

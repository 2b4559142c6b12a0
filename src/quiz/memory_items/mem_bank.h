#pragma once
// The 15 emergency checklists of the Memory Items quiz, their lines in display order.
#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "ui/colour.h"

namespace brivan::quiz::memory_items {

struct MemLine {
    std::string_view text;  // "" for a slot the checklist does not use
    int step = 0;           // 1 to 7 for a step line, 0 for a note line (or an unused slot)

    constexpr bool used() const { return !text.empty(); }
    constexpr bool isStep() const { return step > 0; }
    constexpr bool isNote() const { return used() && step == 0; }
};

struct MemLight {
    std::string_view upper;
    std::string_view lower;  // may be "": the lower half is then an empty coloured box
    ui::Colour colour;       // colours::Red or colours::Yellow, both halves alike
};

inline constexpr int kMemSlots = 8;

struct MemChecklist {
    std::string_view title;
    std::string_view reference;
    std::optional<MemLight> light;
    std::array<MemLine, kMemSlots> lines;  // slots 1 to 8 at indexes 0 to 7
};

inline constexpr int kMemCount = 15;

std::span<const MemChecklist> memBank();

// Record n (1 to 15), or nullptr for any other number.
const MemChecklist* memRecord(int n);

}  // namespace brivan::quiz::memory_items

#pragma once
// The 65 fill-in questions of the Limitations quiz, in the order they are asked.
#include <span>
#include <string_view>

namespace brivan::quiz::limitations {

struct LimitationQuestion {
    std::string_view prompt;     // shown in lblQuestion
    std::string_view answer;     // the only text judged correct
    std::string_view reference;  // manual page shown after a wrong answer
};

inline constexpr int kLimitationCount = 65;

std::span<const LimitationQuestion> limitationsBank();

// Row n (1 to 65), or nullptr for any other number.
const LimitationQuestion* limitationRow(int n);

}  // namespace brivan::quiz::limitations

#pragma once
// The publisher's own texts on the screens.
#include <string_view>

namespace brivan::ui::publisher {

inline constexpr std::string_view kCourtesyLine = "www.skywardstudy.example";
inline constexpr std::string_view kNotice = "\u00A9 Skyward Study Press. All rights reserved.";
inline constexpr std::string_view kResources = "Resources for Aviation Professionals";

// The disclaimer picture's wording, for screen readers: the same words as its artwork source,
// src/ui/resources/art/disclaimer.txt.
inline constexpr std::string_view kDisclaimer =
    "Skyward Study Press does not guarantee that the information presented in this program is correct or "
    "complete, and assumes no responsibility for any inaccuracies in the program or in its questions, answers "
    "and checklists. In no event shall Skyward Study Press, its authors or its distributors be liable for any "
    "direct, indirect, special, incidental or consequential damages or losses of any kind arising from any "
    "defect or omission in the program or its contents. The limitations, annunciators, memory items and other "
    "data shown here may not be accurate or up to date, and they do not take the place of the approved flight "
    "manual, checklists and operating procedures of the aircraft. This program is to be used for training "
    "purposes only and must never be relied upon during flight. By pressing \u201CI Agree\u201D you accept "
    "that you use this program entirely at your own risk.";

}  // namespace brivan::ui::publisher

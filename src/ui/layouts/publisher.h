#pragma once
// The publisher's own texts on the screens.
#include <string_view>

namespace brivan::ui::publisher {

inline constexpr std::string_view kCourtesyLine = "www.skywardstudy.example";
inline constexpr std::string_view kNotice = "\u00A9 Skyward Study Press. All rights reserved.";
inline constexpr std::string_view kResources = "Resources for Aviation Professionals";

}  // namespace brivan::ui::publisher

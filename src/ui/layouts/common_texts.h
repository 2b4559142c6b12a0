#pragma once
// Captions and tool tips that stand on more than one screen.
#include <string_view>

namespace brivan::ui::texts {

inline constexpr std::string_view kTerms = "Terms and Conditions";
inline constexpr std::string_view kExit = "E&xit";
inline constexpr std::string_view kNextQuestion = "&Next Question";
inline constexpr std::string_view kEnterAnswer = "&Enter Answer";
inline constexpr std::string_view kMasterWarning = "&Master Warning";
inline constexpr std::string_view kMemoryItems = "Memory &Items";
inline constexpr std::string_view kLimitations = "&Limitations";

inline constexpr std::string_view kTipNext = "Press to see the next question.";
inline constexpr std::string_view kTipEnter = "Press to see if your answer is correct.";
inline constexpr std::string_view kTipExit = "Press to exit program.";
inline constexpr std::string_view kTipAnswer = "Enter your answer here!";
inline constexpr std::string_view kTipQuestion = "Next question will appear here!";
// The pictures' tool tips say what each picture shows.
inline constexpr std::string_view kTipAircraft = "Brivan 2000 in flight.";
inline constexpr std::string_view kTipDisclaimer = "The publisher's disclaimer.";

// The pictures by name; each screen backend finds them where it keeps them.
inline constexpr std::string_view kLogo = "logo.gif";
inline constexpr std::string_view kAircraft = "aircraft.jpg";

// What a screen reader says for the pictures.
inline constexpr std::string_view kSayLogo = "Skyward Study Press logo";
inline constexpr std::string_view kSayAircraft = "Business jet climbing over snow-covered mountains";

}  // namespace brivan::ui::texts

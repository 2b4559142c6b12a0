#pragma once
// The order in which a screen reader is told what a quiz screen's handlers write: first the
// question as it reads from top to bottom, then the judgement: the verdict, the correct answer,
// the reference, the score line and the percentage.
namespace brivan::ui::told {

inline constexpr int kQuestion = 1;
inline constexpr int kLight = 2;
inline constexpr int kFirstLine = 3;  // the choices or the checklist's lines, from the top
inline constexpr int kVerdict = 20;
inline constexpr int kCorrectAnswer = 21;
inline constexpr int kReference = 22;
inline constexpr int kScoreLine = 23;
inline constexpr int kPercent = 24;

}  // namespace brivan::ui::told

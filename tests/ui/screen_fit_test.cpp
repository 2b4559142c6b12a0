// The display scale chosen so that the largest window, title bar and frame included, stays inside
// the work area: worked out by hand for the laptop screens pilots have, with Windows' own frame
// (39 px tall and 16 px wide in all at 100 %) and a taskbar of 48 px scaled with the desktop.
#include <gtest/gtest.h>

#include "ui/screen_fit.h"

using brivan::ui::largestFittingScale;

namespace {
constexpr brivan::ui::Size kWindow{792, 576};  // Limitations, the largest screen
constexpr brivan::ui::Size kFrame{16, 39};
}  // namespace

TEST(ScreenFit, KeepsTheDesktopScaleWhereTheWindowFits) {
    EXPECT_EQ(largestFittingScale(1.0, kWindow, kFrame, {1920, 1032}), 1.0);
    EXPECT_EQ(largestFittingScale(1.25, kWindow, kFrame, {1920, 1020}), 1.25);  // 769 px tall
    EXPECT_EQ(largestFittingScale(1.5, kWindow, kFrame, {1920, 1008}), 1.5);    // 923 px tall
    EXPECT_EQ(largestFittingScale(1.75, kWindow, kFrame, {2560, 1356}), 1.75);  // a larger screen
}

TEST(ScreenFit, StepsDownToTheLargestQuarterThatFits) {
    EXPECT_EQ(largestFittingScale(1.75, kWindow, kFrame, {1920, 996}), 1.5);   // 1076 px would not fit
    EXPECT_EQ(largestFittingScale(1.75, kWindow, kFrame, {1920, 1040}), 1.5);  // the client alone would
    EXPECT_EQ(largestFittingScale(2.0, kWindow, kFrame, {1920, 984}), 1.5);   // nor 1230 or 1076
    EXPECT_EQ(largestFittingScale(1.25, kWindow, kFrame, {1366, 708}), 1.0);  // 769 on a 768 screen
    EXPECT_EQ(largestFittingScale(1.8, kWindow, kFrame, {1920, 1000}), 1.5);  // 1.75 is the first step
    EXPECT_EQ(largestFittingScale(1.5, kWindow, kFrame, {1100, 1000}), 1.25);  // too wide, not too tall
}

TEST(ScreenFit, NeverBelowOneHundredPercent) {
    EXPECT_EQ(largestFittingScale(1.0, kWindow, kFrame, {800, 600}), 1.0);
    EXPECT_EQ(largestFittingScale(1.5, kWindow, kFrame, {800, 600}), 1.0);
}

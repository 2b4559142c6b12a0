// The score: rounding of the percentage and the two score lines.
#include <gtest/gtest.h>

#include "quiz/common/score.h"

using brivan::quiz::correctCaption;
using brivan::quiz::percentCaption;
using brivan::quiz::roundedPercent;

TEST(ScorePercent, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(roundedPercent(1, 8), 12);  // 12.5
    EXPECT_EQ(roundedPercent(3, 8), 38);  // 37.5
    EXPECT_EQ(roundedPercent(5, 8), 62);  // 62.5
    EXPECT_EQ(roundedPercent(7, 8), 88);  // 87.5
}

TEST(ScorePercent, DivisionComesFirst) {
    // 23 / 40 in double precision is just below 0.575, so the product stays below 57.5.
    EXPECT_EQ(roundedPercent(23, 40), 57);
}

TEST(ScorePercent, OrdinaryValues) {
    EXPECT_EQ(roundedPercent(1, 1), 100);
    EXPECT_EQ(roundedPercent(0, 1), 0);
    EXPECT_EQ(roundedPercent(1, 2), 50);
    EXPECT_EQ(roundedPercent(3, 4), 75);
    EXPECT_EQ(roundedPercent(1, 3), 33);
    EXPECT_EQ(roundedPercent(2, 3), 67);
    EXPECT_EQ(roundedPercent(34, 40), 85);
}

TEST(ScorePercent, StaysBetweenZeroAndHundredForAnyCount) {
    for (const std::int64_t answered : {std::int64_t{1}, std::int64_t{7}, std::int64_t{32767}, std::int64_t{32768},
                                        std::int64_t{40000}, std::int64_t{1} << 40}) {
        for (const std::int64_t correct : {std::int64_t{0}, answered / 2, answered - 1, answered}) {
            const int percent = roundedPercent(correct, answered);
            EXPECT_GE(percent, 0);
            EXPECT_LE(percent, 100);
        }
    }
    EXPECT_EQ(roundedPercent(40000, 40000), 100);
}

TEST(ScoreCaptions, PlainDigitsWithoutGrouping) {
    EXPECT_EQ(correctCaption(5, 7), "5 out of 7 correct!");
    EXPECT_EQ(correctCaption(0, 1), "0 out of 1 correct!");
    EXPECT_EQ(correctCaption(40000, 40000), "40000 out of 40000 correct!");
    EXPECT_EQ(percentCaption(71), "71 percent");
    EXPECT_EQ(percentCaption(0), "0 percent");
    EXPECT_EQ(percentCaption(100), "100 percent");
}

// The scoreboard's count toward the real scores and the two clock texts.

#include <gtest/gtest.h>

#include <vector>

#include "core/engine/scoreboard.h"

using namespace zelvan;

namespace {

std::vector<std::int32_t> ticksUntilEqual(std::int32_t shown, std::int32_t real) {
    std::vector<std::int32_t> out;
    while (shown != real && out.size() < 200) {
        shown = scoreTick(shown, real);
        out.push_back(shown);
    }
    return out;
}

TEST(ScoreTick, CountsUpBy11ThenOneByOne) {
    EXPECT_EQ(ticksUntilEqual(1000, 1025),
              (std::vector<std::int32_t>{1011, 1022, 1023, 1024, 1025}));
    EXPECT_EQ(ticksUntilEqual(0, 9999).front(), 111);
    EXPECT_EQ(ticksUntilEqual(0, 9999).size(), 99u);  // 90 x 111, then 1, 1 ... to 9999
}

TEST(ScoreTick, CountsDownOneByOneWithinTen) {
    EXPECT_EQ(ticksUntilEqual(1000, 990),
              (std::vector<std::int32_t>{999, 998, 997, 996, 995, 994, 993, 992, 991, 990}));
}

TEST(ScoreTick, CountsDownBy111WhileTheGapExceeds100) {
    EXPECT_EQ(ticksUntilEqual(1000, 0),
              (std::vector<std::int32_t>{889, 778, 667, 556, 445, 334, 223, 112, 1, 0}));
}

TEST(ScoreTick, NeverOvershootsAndStaysWhenEqual) {
    EXPECT_EQ(scoreTick(1500, 1500), 1500);
    for (std::int32_t gap : {1, 2, 10, 11, 12, 100, 101, 111, 112}) {
        EXPECT_LE(scoreTick(1000, 1000 + gap), 1000 + gap) << gap;
        EXPECT_GE(scoreTick(1000, 1000 - gap), 1000 - gap) << gap;
    }
}

TEST(TwoDigits, PadsOnlyASingleCharacter) {
    EXPECT_EQ(twoDigits("7"), "07");
    EXPECT_EQ(twoDigits("12"), "12");
    EXPECT_EQ(twoDigits(""), "");
    EXPECT_EQ(twoDigits("123"), "123");
}

constexpr std::int64_t at(int h, int m, int s, int ms = 0) {
    return ((h * 60LL + m) * 60 + s) * 1000 + ms;
}

TEST(TimeOfDay, CutsMinutesAfterRoundingSeconds) {
    EXPECT_EQ(timeOfDayText(at(0, 0, 0)), "00:00");
    EXPECT_EQ(timeOfDayText(at(9, 5, 40)), "09:05");
    EXPECT_EQ(timeOfDayText(at(9, 5, 59, 499)), "09:05");
    EXPECT_EQ(timeOfDayText(at(9, 5, 59, 500)), "09:06");
    EXPECT_EQ(timeOfDayText(at(13, 59, 59, 900)), "14:00");
    EXPECT_EQ(timeOfDayText(at(23, 59, 59, 499)), "23:59");
}

TEST(TimeOfDay, TheLastHalfSecondOfTheDayIsMidnight) {
    EXPECT_EQ(timeOfDayText(at(23, 59, 59, 500)), "00:00");
    EXPECT_EQ(timeOfDayText(at(23, 59, 59, 600)), "00:00");
    EXPECT_EQ(timeOfDayText(at(23, 59, 59, 999)), "00:00");
}

TEST(GameClock, DropsWholeHoursAndNeverGoesNegative) {
    EXPECT_EQ(gameClockText(0), "00:00");
    EXPECT_EQ(gameClockText(499), "00:00");
    EXPECT_EQ(gameClockText(1500), "00:02");  // halves to even
    EXPECT_EQ(gameClockText(2500), "00:02");
    EXPECT_EQ(gameClockText(at(0, 9, 59, 600)), "10:00");
    EXPECT_EQ(gameClockText(at(0, 59, 59)), "59:59");
    EXPECT_EQ(gameClockText(at(1, 0, 0)), "00:00");
    EXPECT_EQ(gameClockText(at(1, 2, 5)), "02:05");
    EXPECT_EQ(gameClockText(at(101, 2, 5)), "02:05");
    EXPECT_EQ(gameClockText(-1), "00:00");
    EXPECT_EQ(gameClockText(-at(0, 5, 0)), "00:00");
}

}  // namespace

// The clocks sleep until their text may change: no change may fall inside
// the sleep, and they wake at most once a unit.
TEST(ClockWake, NoTextChangeIsSleptThrough) {
    for (std::int64_t t = 0; t < 3000; ++t) {
        const std::int64_t d = msUntilClockChange(t, 1000);
        ASSERT_GE(d, 1);
        ASSERT_LE(d, 1001);
        for (std::int64_t u = t + 1; u < t + d - 1; u += 50)
            ASSERT_EQ(gameClockText(u), gameClockText(t)) << t << " " << u;
        if (d >= 2) ASSERT_EQ(gameClockText(t + d - 2), gameClockText(t)) << t;
    }
    for (std::int64_t t = 0; t < 2 * 86400000LL; t += 9973) {
        const std::int64_t d = msUntilClockChange(t, 60000);
        ASSERT_LE(d, 60001);
        if (d >= 2) ASSERT_EQ(timeOfDayText(t + d - 2), timeOfDayText(t)) << t;
        ASSERT_NE(timeOfDayText(t + d + 1000), timeOfDayText(t)) << t;
    }
}

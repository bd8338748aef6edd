// Results and scores: the series rule over the last ten results, the limits,
// abandoned games, and the winning line's blink.

#include <gtest/gtest.h>

#include "core/engine/scores.h"
#include "support/matchrig.h"

using namespace zelvan;
using namespace zelvan::test;

namespace {

constexpr std::uint8_t B = kBlue;
constexpr std::uint8_t R = kRed;

Scores from(std::int32_t blue, std::int32_t red, Results results) {
    Scores s;
    s.restore(blue, red, results);
    return s;
}

TEST(Scores, SeriesAndTotalOverTheHistory) {
    struct Row {
        std::uint8_t winner;
        std::int32_t blue, red;
    };
    // Newest first after each result: B; B B; B B B; R B B B; B R B B B.
    const Row rows[] = {
        {B, 1001, 999}, {B, 1003, 997}, {B, 1006, 994}, {R, 1005, 995}, {B, 1008, 991}};
    Scores s;
    for (const Row& row : rows) {
        s.record(row.winner);
        EXPECT_EQ(s.blue(), row.blue);
        EXPECT_EQ(s.red(), row.red);
    }
    EXPECT_EQ(s.results(), (Results{B, R, B, B, B, 0, 0, 0, 0, 0}));
}

TEST(Scores, StayWithinZeroAnd9999) {
    Scores s = from(9998, 2, {B, B, B, B});
    s.record(B);  // series 5, total 5
    EXPECT_EQ(s.blue(), 9999);
    EXPECT_EQ(s.red(), 0);

    s = from(0, 9999, {});
    s.record(R);
    EXPECT_EQ(s.red(), 9999);
    EXPECT_EQ(s.blue(), 0);
}

TEST(Scores, TheEleventhResultPushesTheOldestOut) {
    Scores s = from(1000, 1000, {R, R, R, R, R, R, R, R, R, B});
    s.record(B);
    EXPECT_EQ(s.results(), (Results{B, R, R, R, R, R, R, R, R, R}));
    EXPECT_EQ(s.blue(), 1001);  // series 1: the dropped B no longer counts
    EXPECT_EQ(s.red(), 999);    // total 1

    s = from(1000, 1000, {B, B, B, B, B, B, B, B, B, B});
    s.record(B);
    EXPECT_EQ(s.blue(), 1010);  // ten in a row, not eleven
    EXPECT_EQ(s.red(), 990);
}

TEST(Scores, ResetAndRestore) {
    Scores s = from(1234, 7, {R, B});
    s.reset();
    EXPECT_EQ(s, from(1000, 1000, {R, B}));  // the results stay
    // What a file held comes into range.
    s.restore(-5, 123456, {B, 7, R, 255});
    EXPECT_EQ(s, from(0, 9999, {B, 0, R, 0}));
}

TEST(Scores, AnAbandonedGameIsLostByTheSideToMoveWithoutLineOrSound) {
    for (bool blueToMove : {true, false}) {
        MatchRig t;
        t.startGame(blueToMove);
        t.match.stop();
        const std::uint8_t winner = blueToMove ? R : B;
        EXPECT_EQ(t.scores, from(winner == B ? 1001 : 999, winner == R ? 1001 : 999, {winner}));
        EXPECT_EQ(t.settings.saves, 1);
        EXPECT_EQ(t.speaker.played, (std::vector<std::string>{"Click"}));
        EXPECT_TRUE(t.board.pieces.empty());
        EXPECT_FALSE(t.board.blinking);
        EXPECT_EQ(t.console.ends, (std::vector<GameEnd>{{EndReason::Stopped, winner}}));
    }
}

// A Red win along a diagonal of six, by a person at this machine.
class Blink : public ::testing::Test {
protected:
    const Cells line{{2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}};
    MatchRig t;

    void SetUp() override {
        t.startGame(false);
        t.lay({{9, 1}, {10, 1}, {11, 1}, {12, 1}, {14, 1}},
              {{2, 2}, {3, 3}, {4, 4}, {6, 6}, {7, 7}});
        t.play(1, 14);  // Blue
        t.play(5, 5);   // Red's six
        ASSERT_EQ(t.match.winner(), R);
    }
};

TEST_F(Blink, AlternatesOncePerTickOverAllCellsOfTheRun) {
    EXPECT_TRUE(t.board.blinking);
    EXPECT_TRUE(t.board.show(Side::Red, line, true));  // highlighted at once
    t.match.blinkTick();
    EXPECT_TRUE(t.board.show(Side::Red, line, false));
    t.match.blinkTick();
    EXPECT_TRUE(t.board.show(Side::Red, line, true));
    EXPECT_FALSE(t.match.running());
}

TEST_F(Blink, StopFreezesTheLineInItsCurrentLook) {
    t.match.blinkTick();  // one second after the win: normal
    t.match.stop();
    for (int i = 0; i < 3; ++i)
        t.match.blinkTick();
    EXPECT_TRUE(t.board.show(Side::Red, line, false));
    EXPECT_EQ(t.scores.results()[1], kNone);  // Stop after a win scores nothing more
}

TEST_F(Blink, ANewBoardStopsItAndTicksDoNothingWhileAGameRuns) {
    t.match.play();
    t.timers.runAll();
    EXPECT_FALSE(t.board.blinking);
    t.match.blinkTick();
    EXPECT_TRUE(t.board.pieces.empty());
}

}  // namespace

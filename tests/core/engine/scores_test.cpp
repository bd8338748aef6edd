// Results and scores: the series rule over the last ten results, the limits,
// abandoned games, and the winning line's blink.

#include "enginetest.h"

using namespace zelvan;
using namespace zelvan::test;

namespace {

using History = std::array<std::uint8_t, 10>;
constexpr std::uint8_t B = kBlue;
constexpr std::uint8_t R = kRed;

TEST_F(EngineTest, SeriesAndTotalOverTheHistory) {
    struct Row {
        std::uint8_t winner;
        std::int32_t blue, red;
    };
    // Newest first after each result: B; B B; B B B; R B B B; B R B B B.
    const Row rows[] = {
        {B, 1001, 999}, {B, 1003, 997}, {B, 1006, 994}, {R, 1005, 995}, {B, 1008, 991}};
    for (const Row& row : rows) {
        g.winner = row.winner;
        updateScores(g, h);
        EXPECT_EQ(g.scoreBlue, row.blue);
        EXPECT_EQ(g.scoreRed, row.red);
    }
    EXPECT_EQ(g.resultHistory, (History{B, R, B, B, B, 0, 0, 0, 0, 0}));
    EXPECT_EQ(h.saves, 5);
}

TEST_F(EngineTest, ScoresStayWithinZeroAnd9999) {
    g.resultHistory = {B, B, B, B, 0, 0, 0, 0, 0, 0};
    g.scoreBlue = 9998;
    g.scoreRed = 2;
    g.winner = B;
    updateScores(g, h);  // series 5, total 5
    EXPECT_EQ(g.scoreBlue, 9999);
    EXPECT_EQ(g.scoreRed, 0);

    g.winner = R;
    g.scoreRed = 9999;
    g.scoreBlue = 0;
    updateScores(g, h);
    EXPECT_EQ(g.scoreRed, 9999);
    EXPECT_EQ(g.scoreBlue, 0);
}

TEST_F(EngineTest, TheEleventhResultPushesTheOldestOut) {
    g.resultHistory = {R, R, R, R, R, R, R, R, R, B};
    g.winner = B;
    updateScores(g, h);
    EXPECT_EQ(g.resultHistory, (History{B, R, R, R, R, R, R, R, R, R}));
    EXPECT_EQ(g.scoreBlue, 1001);  // series 1: the dropped B no longer counts
    EXPECT_EQ(g.scoreRed, 999);    // total 1

    g.resultHistory.fill(B);
    g.scoreBlue = g.scoreRed = 1000;
    updateScores(g, h);
    EXPECT_EQ(g.scoreBlue, 1010);  // ten in a row, not eleven
    EXPECT_EQ(g.scoreRed, 990);
}

TEST_F(EngineTest, AbandonedGameIsLostByTheSideToMoveWithoutLineOrSound) {
    startGame();
    g.blueToMove = 1;
    abandonGame(g, h, EndReason::Stopped);
    EXPECT_EQ(g.winner, R);
    EXPECT_EQ(g.resultHistory[0], R);
    EXPECT_EQ(g.scoreRed, 1001);
    EXPECT_EQ(g.scoreBlue, 999);
    EXPECT_EQ(h.calls, (std::vector<std::string>{"save"}));

    g.blueToMove = 0;
    abandonGame(g, h, EndReason::Stopped);
    EXPECT_EQ(g.winner, B);
    EXPECT_EQ(g.resultHistory[0], B);
}

class Blink : public EngineTest {
protected:
    const std::vector<std::pair<int, int>> line{{2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}};

    void SetUp() override {
        startGame();
        for (auto [c, r] : line)
            put(kRed, {{c, r}});
        checkFive(g, h);
        ASSERT_EQ(g.winner, kRed);
        h.clear();
    }
    std::vector<std::string> lineAs(bool highlighted) const {
        std::vector<std::string> out;
        for (auto [c, r] : line)
            out.push_back("drawPiece R " + std::to_string(c) + " " + std::to_string(r) +
                          (highlighted ? " h" : " n"));
        out.push_back("pump");
        return out;
    }
};

TEST_F(Blink, AlternatesOncePerTickOverAllCellsOfTheRun) {
    EXPECT_TRUE(h.blinkTimer);
    EXPECT_EQ(g.blinkPhase, 1);  // shown highlighted at once
    blinkTick(g, h);
    EXPECT_EQ(h.calls, lineAs(false));
    EXPECT_EQ(g.blinkPhase, 0);
    h.clear();
    blinkTick(g, h);
    EXPECT_EQ(h.calls, lineAs(true));
    EXPECT_EQ(g.blinkPhase, 1);
    EXPECT_EQ(g.gameRunning, 0);
}

TEST_F(Blink, StopFreezesTheLineInItsCurrentLook) {
    blinkTick(g, h);  // one second after the win: normal
    stopButton(g, h);
    h.clear();
    for (int i = 0; i < 3; ++i)
        blinkTick(g, h);
    EXPECT_TRUE(h.calls.empty());
    EXPECT_EQ(g.blinkPhase, 0);
    EXPECT_EQ(g.resultHistory[1], kNone);  // Stop after a win scores nothing more
}

TEST_F(Blink, TicksDoNothingWhileAGameRunsAndANewBoardStopsTheTimer) {
    g.redIsHuman = 1;
    playButton(g, h);
    EXPECT_FALSE(h.blinkTimer);
    h.clear();
    blinkTick(g, h);
    EXPECT_TRUE(h.calls.empty());
}

}  // namespace

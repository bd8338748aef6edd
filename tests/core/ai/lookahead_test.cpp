#include <gtest/gtest.h>

#include "aiboard.h"
#include "core/ai/lookahead.h"
#include "core/ai/movechoice.h"

using namespace zelvan;
using zelvan::test::B;
using zelvan::test::emptyBoard;
using zelvan::test::put;
using zelvan::test::R;

namespace {

// The position as the computer meets it at a level, its move next.
Game position(int n, std::initializer_list<test::Piece> pieces, int level) {
    Game g = test::position(n, pieces);
    g.computerLevel = static_cast<std::uint8_t>(level);
    g.moveCount = test::piecesOn(g) + 1;
    return g;
}

// The two look-aheads as the move choice runs them: the planSafe after the
// blocking one, and after the attacking one (-1 when it does not run).
std::pair<int, int> lookAhead(Game g) {
    saveBoard(g);
    const bool block = simulateBlock(g);
    restoreBoard(g);
    if (!block) return {0, -1};
    const bool attack = simulateAttack(g);
    restoreBoard(g);
    return {1, attack ? 1 : 0};
}

Cell choose(Game& g, ScanOrder main, ScanOrder fallback = kFixedOrder) {
    FixedScanDraw draw(main, fallback);
    return chooseMove(g, draw);
}

}  // namespace

TEST(LookAhead, CyclesByLevel) {
    EXPECT_EQ(lookAheadCycles(1), 2);
    EXPECT_EQ(lookAheadCycles(2), 3);
    EXPECT_EQ(lookAheadCycles(3), 5);
    EXPECT_EQ(lookAheadCycles(0), 0);
    EXPECT_EQ(lookAheadCycles(4), 0);
}

TEST(LookAhead, BlockingLineSeesBlueFourCompleted) {
    Game g = position(
        15, {{B, 5, 8}, {B, 6, 8}, {B, 7, 8}, {B, 8, 8}, {R, 5, 9}, {R, 6, 10}, {R, 7, 11}}, 1);
    EXPECT_EQ(lookAhead(g), std::make_pair(0, -1));
    FixedScanDraw draw({false, true}, kFixedOrder);
    const Cell defend = redDefend(g, draw);
    EXPECT_EQ(choose(g, {false, true}), defend);
}

TEST(LookAhead, AttackingLineSeesWhatBlockingMisses) {
    Game g = position(15, {{B, 6, 8}, {B, 7, 8}, {B, 8, 8}, {R, 5, 10}, {R, 9, 11}}, 1);
    EXPECT_EQ(lookAhead(g), std::make_pair(1, 0));
    FixedScanDraw draw({true, false}, kFixedOrder);
    const Cell defend = redDefend(g, draw);
    EXPECT_EQ(choose(g, {true, false}), defend);
}

TEST(LookAhead, RedFiveFirstMakesThePlanSafe) {
    Game g = position(
        15,
        {{R, 5, 8}, {R, 6, 8}, {R, 7, 8}, {R, 8, 8}, {B, 4, 8}, {B, 6, 9}, {B, 7, 10}, {B, 8, 11}},
        1);
    EXPECT_EQ(lookAhead(g), std::make_pair(1, 1));
    g.plainAttack = 0;
    EXPECT_EQ(choose(g, {false, false}), (Cell{9, 8}));
    g.plainAttack = 1;
    EXPECT_EQ(choose(g, {false, false}), (Cell{9, 8}));
}

TEST(LookAhead, DeeperLevelsSeeFurther) {
    // Blue's blocking line ends in a Blue five on its third reply: easy
    // (two cycles) misses it, medium and hard see it.
    auto at = [](int level) {
        return position(15,
                        {{R, 5, 3},
                         {R, 5, 9},
                         {B, 5, 11},
                         {B, 8, 3},
                         {R, 8, 6},
                         {B, 8, 8},
                         {B, 9, 7},
                         {R, 12, 5}},
                        level);
    };
    EXPECT_EQ(lookAhead(at(1)), std::make_pair(1, 0));
    EXPECT_EQ(lookAhead(at(2)), std::make_pair(0, -1));
    EXPECT_EQ(lookAhead(at(3)), std::make_pair(0, -1));
}

TEST(LookAhead, LevelOutsideTheTablePlaysNoCycle) {
    // Blue completes five on its first reply at any level 1..3; level 0 or
    // 9 looks at nothing and attacks.
    for (int level : {0, 9}) {
        Game g = position(
            15, {{B, 5, 8}, {B, 6, 8}, {B, 7, 8}, {B, 8, 8}, {R, 5, 9}, {R, 6, 10}, {R, 7, 11}},
            level);
        EXPECT_EQ(lookAhead(g), std::make_pair(1, 1));
        FixedScanDraw draw(kFixedOrder, kFixedOrder);
        const Cell attack = redAttack(g, draw);
        EXPECT_EQ(choose(g, kFixedOrder), attack);
    }
}

TEST(LookAhead, SaveAndRestoreCoverTheBoardInPlayOnly) {
    Game g = emptyBoard(15);
    g.cells[cellIndex(16, 3)] = kRed;  // left from an earlier, larger board
    g.cellsSaved.fill(7);
    g.zoneSaved.fill(7);
    put(g, kBlue, 15, 15);
    saveBoard(g);
    EXPECT_EQ(g.cellsSaved[cellIndex(15, 15)], kBlue);
    EXPECT_EQ(g.zoneSaved[cellIndex(11, 11)], kZoneMark);
    EXPECT_EQ(g.cellsSaved[cellIndex(16, 3)], 7);
    EXPECT_EQ(g.cellsSaved[cellIndex(3, 16)], 7);
    g.cells[cellIndex(16, 3)] = kBlue;
    put(g, kRed, 1, 1);
    restoreBoard(g);
    EXPECT_EQ(g.cell(1, 1), kNone);
    EXPECT_EQ(g.zone[cellIndex(1, 1)], 0);
    EXPECT_EQ(g.cell(16, 3), kBlue);
}

// The look-ahead takes its fives from the board: a winner left in the
// record by an ended game neither stops it early (a stale Red) nor passes for
// Blue completing five (a stale Blue), and it is left as it was.
TEST(LookAhead, FivesComeFromTheBoardNotFromTheRecordsWinner) {
    const std::pair<Game, std::pair<int, int>> cases[] = {
        {position(15, {{B, 6, 8}, {B, 7, 8}, {B, 8, 8}, {R, 5, 10}, {R, 9, 11}}, 1), {1, 0}},
        {position(15, {{B, 8, 8}, {R, 7, 7}, {B, 10, 3}}, 3), {1, 1}},
    };
    for (const auto& [start, expected] : cases)
        for (std::uint8_t stale : {kBlue, kRed}) {
            Game g = start;
            g.winner = stale;
            EXPECT_EQ(lookAhead(g), expected) << int{stale};
            saveBoard(g);
            simulateBlock(g);
            simulateAttack(g);
            EXPECT_EQ(g.winner, stale);
        }
}

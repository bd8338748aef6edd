#include <gtest/gtest.h>

#include "aiboard.h"
#include "core/ai/level.h"
#include "core/ai/lookahead.h"
#include "core/ai/movechoice.h"

using namespace zelvan;
using zelvan::test::B;
using zelvan::test::emptyBoard;
using zelvan::test::put;
using zelvan::test::R;

namespace {

// The position as the computer meets it at a level (none: no look-ahead),
// its move next.
struct Situation {
    Position g;
    MoveStyle style;
};

Situation position(int n, std::initializer_list<test::Piece> pieces, int level) {
    Situation s{test::position(n, pieces), {}};
    const Level* l = findLevel(level);
    s.style = {test::piecesOn(s.g) + 1, l ? l->lookAheadCycles : 0, false};
    return s;
}

// The two look-aheads as the move choice runs them: the planSafe after the
// blocking one, and after the attacking one (-1 when it does not run).
std::pair<int, int> lookAhead(const Situation& s) {
    Position g = s.g;
    if (!simulateBlock(g, s.style.lookAheadCycles)) return {0, -1};
    g = s.g;
    return {1, simulateAttack(g, s.style.lookAheadCycles) ? 1 : 0};
}

Cell choose(Situation& s, ScanOrder main, ScanOrder fallback = kFixedOrder) {
    FixedScanDraw draw(main, fallback);
    return chooseMove(s.g, s.style, draw);
}

}  // namespace

TEST(LookAhead, BlockingLineSeesBlueFourCompleted) {
    Situation s = position(
        15, {{B, 5, 8}, {B, 6, 8}, {B, 7, 8}, {B, 8, 8}, {R, 5, 9}, {R, 6, 10}, {R, 7, 11}}, 1);
    EXPECT_EQ(lookAhead(s), std::make_pair(0, -1));
    FixedScanDraw draw({false, true}, kFixedOrder);
    const Cell defend = redDefend(s.g, draw);
    EXPECT_EQ(choose(s, {false, true}), defend);
}

TEST(LookAhead, AttackingLineSeesWhatBlockingMisses) {
    Situation s = position(15, {{B, 6, 8}, {B, 7, 8}, {B, 8, 8}, {R, 5, 10}, {R, 9, 11}}, 1);
    EXPECT_EQ(lookAhead(s), std::make_pair(1, 0));
    FixedScanDraw draw({true, false}, kFixedOrder);
    const Cell defend = redDefend(s.g, draw);
    EXPECT_EQ(choose(s, {true, false}), defend);
}

TEST(LookAhead, RedFiveFirstMakesThePlanSafe) {
    Situation s = position(
        15,
        {{R, 5, 8}, {R, 6, 8}, {R, 7, 8}, {R, 8, 8}, {B, 4, 8}, {B, 6, 9}, {B, 7, 10}, {B, 8, 11}},
        1);
    EXPECT_EQ(lookAhead(s), std::make_pair(1, 1));
    s.style.plainAttack = false;
    EXPECT_EQ(choose(s, {false, false}), (Cell{9, 8}));
    s.style.plainAttack = true;
    EXPECT_EQ(choose(s, {false, false}), (Cell{9, 8}));
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

TEST(LookAhead, NoCyclesLookAtNothing) {
    // Blue completes five on its first reply at any level 1..3; a look-ahead
    // of no cycles sees nothing and attacks.
    Situation s = position(
        15, {{B, 5, 8}, {B, 6, 8}, {B, 7, 8}, {B, 8, 8}, {R, 5, 9}, {R, 6, 10}, {R, 7, 11}}, 0);
    EXPECT_EQ(lookAhead(s), std::make_pair(1, 1));
    FixedScanDraw draw(kFixedOrder, kFixedOrder);
    const Cell attack = redAttack(s.g, draw);
    EXPECT_EQ(choose(s, kFixedOrder), attack);
}

// The move choice plays its look-ahead on the position it is given and
// leaves it as it found it, cells of an earlier, larger board included.
TEST(LookAhead, TheChoiceLeavesThePositionAsItFoundIt) {
    Situation s = position(15, {{B, 6, 8}, {B, 7, 8}, {B, 8, 8}, {R, 5, 10}, {R, 9, 11}}, 3);
    s.g.setCell(16, 3, kRed);  // left from an earlier, larger board
    const Position before = s.g;
    choose(s, kFixedOrder);
    EXPECT_EQ(s.g, before);
}

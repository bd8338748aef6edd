// The threat solver: wins by continuous fours and by threes, and the cells
// that answer a flex three.

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "core/ai/strong/threats.h"
#include "diagram.h"

namespace zelvan::strong::test {
namespace {

struct Solver {
    Position pos;
    Budget budget;
    ThreatSolver solver{pos, budget, 1 << 14};
    Solver() { budget.start(Budget::Clock::now() + std::chrono::hours(1), 0, nullptr); }
};

TEST(StrongThreats, FindsAWinByContinuousFoursAndEveryReplyIsForced) {
    Solver s;
    // Neither (9,3) nor (9,4) alone wins: each is a four, and after the one
    // and its forced block the other makes two fours at once.
    draw(s.pos, 15,
         {
             "...............",
             ".....O..O......",
             "....OXXX.......",
             ".........XXXO..",
             "........X......",
             "........X......",
             "...............",
             "........O......",
         });
    EXPECT_EQ(s.pos.threatCount(X, kFlexFour) + s.pos.threatCount(X, kFourThree), 0);
    // Play the solver's line out: each attacking move a four, each reply the
    // only cell that stops five, until the attacker has a five it cannot lose.
    std::vector<int> played;
    for (int step = 0; step < 20 && s.pos.threatCount(X, kFlexFour) == 0; ++step) {
        const int move = s.solver.winByFours(X, 12);
        ASSERT_GE(move, 0) << "step " << step;
        ASSERT_GE(s.pos.threat(move, X), kFour);
        s.pos.place(move, X);
        ASSERT_EQ(s.pos.threatCount(X, kMakesFive), 1);
        ASSERT_EQ(s.pos.threatCount(O, kMakesFive), 0);
        s.pos.place(s.pos.findThreat(X, kMakesFive), O);
    }
    EXPECT_GT(s.pos.threatCount(X, kFlexFour), 0);
    EXPECT_EQ(s.pos.threatCount(O, kMakesFive), 0);
}

TEST(StrongThreats, AFourWhoseBlockMakesTheDefendersFourIsNoWinByFours) {
    Solver s;
    draw(s.pos, 15,
         {
             "...OXXX........",  // (8,8) makes a four and a flex three at once,
             ".......XO......",  // but O's block at (9,8) is a four of its own
             ".......XO......",
             "........O......",
             "........X......",
         },
         1, 8);
    ASSERT_EQ(s.pos.threat(at(8, 8), X), kFourThree);
    EXPECT_EQ(s.solver.winByFours(X, 12), -1);
    // Without O's stone at (9,11) the block is harmless and the four-three wins.
    s.pos.remove(at(9, 11));
    EXPECT_EQ(s.solver.winByFours(X, 12), at(8, 8));
}

TEST(StrongThreats, FindsAWinByThreesWhereNoFoursWin) {
    Solver s;
    draw(s.pos, 15, {"......X..", "......X..", "....XX..."}, 1, 6);
    EXPECT_EQ(s.solver.winByFours(X, 12), -1);
    EXPECT_EQ(s.solver.winByThreats(X, 6, 8), at(7, 8));  // two flex threes at once
    EXPECT_EQ(s.solver.winByThreats(O, 6, 8), -1);
}

TEST(StrongThreats, AnswersToAFlexThreeAreTheCellsThatLeaveNoFlexFour) {
    Solver s;
    std::vector<int> cells;
    draw(s.pos, 15, {"....XXX...."}, 1, 8);  // X at 5..7: the ends next to it
    s.solver.defences(X, cells);
    EXPECT_EQ(cells, (std::vector<int>{at(4, 8), at(8, 8)}));
    draw(s.pos, 15, {"....X.XX...."}, 1, 8);  // a split three: both ends and the gap
    s.solver.defences(X, cells);
    EXPECT_EQ(cells, (std::vector<int>{at(4, 8), at(6, 8), at(9, 8)}));
    draw(s.pos, 15, {"....X.XX....", ".....X......", "......X....."}, 1, 6);
    s.solver.defences(X, cells);  // two flex threes: no single answer
    EXPECT_TRUE(cells.empty());
}

}  // namespace
}  // namespace zelvan::strong::test

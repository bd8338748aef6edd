#include <gtest/gtest.h>

#include <array>

#include "aiboard.h"
#include "core/ai/linescanner.h"
#include "reference.h"

using namespace zelvan;
using zelvan::test::emptyBoard;

namespace {

using test::Counts;
using test::referenceCounts;

Counts toCounts(LineCounts l) {
    return {0, l[1], l[2], l[3], l[4], l[5]};
}

Counts blueCounts(const Position& g, int c, int r) {
    return toCounts(evalCell(g, kBlueSide, c, r));
}

}  // namespace

TEST(LineScanner, EmptyBoardMiddleAndCorners) {
    Position g = emptyBoard(15);
    EXPECT_EQ(blueCounts(g, 8, 8), (Counts{0, 20, 0, 0, 0, 0}));
    EXPECT_FALSE(isThreat(evalCell(g, kBlueSide, 8, 8)));
    EXPECT_EQ(fullScore(evalCell(g, kBlueSide, 8, 8)), 0);
    EXPECT_EQ(blueCounts(g, 1, 1), (Counts{0, 3, 0, 0, 0, 0}));
    // (2, 2): two windows each way along the row and column, two on the
    // diagonal, and the anti-diagonal is three cells long.
    EXPECT_EQ(blueCounts(g, 2, 2), (Counts{0, 6, 0, 0, 0, 0}));
    EXPECT_EQ(blueCounts(g, 15, 15), (Counts{0, 3, 0, 0, 0, 0}));
    EXPECT_EQ(blueCounts(g, 15, 1), (Counts{0, 3, 0, 0, 0, 0}));
}

TEST(LineScanner, BrokenThreeMakesTwoFoursAndIsAThreat) {
    Position g = emptyBoard(15);
    for (int c : {5, 6, 7})
        g.setCell(c, 8, kBlue);
    // Windows from columns 4..8 hold 4, 4, 3, 2, 1: the fours hide the rest
    // of the row but the single; the other three directions give 5 singles.
    EXPECT_EQ(blueCounts(g, 8, 8), (Counts{0, 16, 0, 0, 2, 0}));
    EXPECT_TRUE(isThreat(evalCell(g, kBlueSide, 8, 8)));

    g.setCell(4, 8, kRed);
    EXPECT_EQ(blueCounts(g, 8, 8), (Counts{0, 16, 0, 0, 1, 0}));
    EXPECT_FALSE(isThreat(evalCell(g, kBlueSide, 8, 8)));
}

TEST(LineScanner, TwoInARowMakesThreesAndTwoThreesThroughACellAreAThreat) {
    Position g = emptyBoard(15);
    g.setCell(6, 8, kBlue);
    g.setCell(7, 8, kBlue);
    EXPECT_EQ(blueCounts(g, 8, 8), (Counts{0, 16, 1, 3, 0, 0}));
    EXPECT_FALSE(isThreat(evalCell(g, kBlueSide, 8, 8)));
    g.setCell(8, 6, kBlue);
    g.setCell(8, 7, kBlue);
    const LineCounts l = evalCell(g, kBlueSide, 8, 8);
    EXPECT_EQ(l[3], 6);
    EXPECT_TRUE(isThreat(l));
}

TEST(LineScanner, FiveHidesOnlyItsOwnDirection) {
    Position g = emptyBoard(15);
    for (int c : {4, 5, 6, 7})
        g.setCell(c, 8, kRed);
    g.setCell(8, 7, kRed);  // a two down the column as well
    const LineCounts l = evalCell(g, kRedSide, 8, 8);
    EXPECT_EQ(l[5], 1);
    EXPECT_EQ(l[4], 0);
    EXPECT_EQ(l[3], 0);
    EXPECT_EQ(l[2], 4);  // the column's windows holding (8,7) and (8,8)
    EXPECT_TRUE(isThreat(l));
    EXPECT_GE(threatScore(l), 1000);
    // Blue sees nothing there: every row window holds Red.
    EXPECT_EQ(evalCell(g, kBlueSide, 8, 8)[1], 1 + 1 + 5 + 5);
}

TEST(LineScanner, SmallBoardIgnoresStorageBeyondIt) {
    Position g = emptyBoard(20);
    for (int c = 16; c <= 18; ++c)
        g.setCell(c, 15, kBlue);
    EXPECT_EQ(blueCounts(g, 15, 15), (Counts{0, 16, 0, 0, 2, 0}));
    // A new 15x15 board leaves those pieces in the storage beyond it.
    g.clear(15);
    ASSERT_EQ(g.cell(16, 15), kBlue);
    EXPECT_EQ(blueCounts(g, 15, 15), (Counts{0, 3, 0, 0, 0, 0}));
}

// The bit-line scanner against the window-by-window rule, every empty cell
// of crowded positions on every board size, both colours, with trial pieces.
TEST(LineScanner, MatchesTheWindowRuleEverywhere) {
    for (int n : {15, 20, 30})
        for (std::uint32_t seed = 1; seed <= 4; ++seed) {
            Position g = test::randomPosition(n, n * n * 2 / 5, seed);
            LineScanner scanner(g);
            for (int c = 1; c <= n; ++c)
                for (int r = 1; r <= n; ++r) {
                    if (g.cell(c, r) != kNone) continue;
                    ASSERT_EQ(toCounts(scanner.eval(kBlueSide, c, r)),
                              referenceCounts(g, kBlue, c, r))
                        << n << " seed " << seed << " at " << c << "," << r;
                    ASSERT_EQ(toCounts(scanner.eval(kRedSide, c, r)),
                              referenceCounts(g, kRed, c, r))
                        << n << " seed " << seed << " at " << c << "," << r;
                }
            // A trial piece passed as an extra own bit counts like a real
            // one on every cell of its four lines.
            const int mid = n / 2;
            int tc = 0, tr = 0;
            for (int c = mid; c <= n && !tc; ++c)
                for (int r = mid; r <= n && !tc; ++r)
                    if (g.cell(c, r) == kNone) tc = c, tr = r;
            ASSERT_NE(tc, 0);
            Position withPiece = g;
            withPiece.setCell(tc, tr, kRed);
            for (int dir = 0; dir < 4; ++dir) {
                const Line trial = lineThrough(dir, tc, tr);
                for (int pos = trial.pos - 4; pos <= trial.pos + 4; ++pos) {
                    int c = 0, r = 0;
                    cellOnLine(trial, pos, c, r);
                    if (!g.onBoard(c, r) || withPiece.cell(c, r) != kNone) continue;
                    std::uint32_t total = 0;
                    for (int d = 0; d < 4; ++d)
                        total += scanner.direction(kRedSide, lineThrough(d, c, r),
                                                   d == dir ? LineScanner::ownBit(trial.pos) : 0);
                    ASSERT_EQ(toCounts(LineCounts{total}), referenceCounts(withPiece, kRed, c, r))
                        << n << " seed " << seed << " at " << c << "," << r;
                }
            }
        }
}

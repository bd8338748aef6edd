#include <gtest/gtest.h>

#include <vector>

#include "aiboard.h"
#include "core/ai/searches.h"
#include "reference.h"

using namespace zelvan;
using zelvan::test::B;
using zelvan::test::emptyBoard;
using zelvan::test::position;
using zelvan::test::put;
using zelvan::test::R;

namespace {

Cell fixedRedAttack(const Position& g, ScanOrder main, ScanOrder fallback = kFixedOrder) {
    FixedScanDraw draw(main, fallback);
    return redAttack(g, draw);
}

}  // namespace

TEST(Searches, SingleBluePiece) {
    const Position g = position(15, {{B, 8, 8}});
    EXPECT_EQ(simRedMove(g), (Cell{9, 9}));      // last neighbour in fixed order
    EXPECT_EQ(simBlueAttack(g), (Cell{7, 7}));   // first neighbour
    EXPECT_EQ(simBlueBlock(g), (Cell{12, 12}));  // every sum 0: the last candidate
}

TEST(Searches, BlueAndRedSideBySide) {
    const Position g = position(15, {{B, 8, 8}, {R, 9, 9}});
    EXPECT_EQ(simRedMove(g), (Cell{8, 9}));
    EXPECT_EQ(simBlueAttack(g), (Cell{7, 8}));
    EXPECT_EQ(simBlueBlock(g), (Cell{10, 9}));
}

TEST(Searches, RedThreeInARow) {
    const Position g = position(15, {{R, 6, 8}, {R, 7, 8}, {R, 8, 8}, {B, 7, 7}, {B, 8, 9}});
    EXPECT_EQ(simRedMove(g), (Cell{9, 8}));
    EXPECT_EQ(simBlueBlock(g), (Cell{9, 8}));
    EXPECT_EQ(simBlueAttack(g), (Cell{10, 7}));
}

TEST(Searches, BlueThreeInARow) {
    const Position g = position(15, {{B, 6, 8}, {B, 7, 8}, {B, 8, 8}, {R, 7, 7}, {R, 8, 9}});
    EXPECT_EQ(simBlueAttack(g), (Cell{9, 8}));
    EXPECT_EQ(simBlueBlock(g), (Cell{9, 9}));
    EXPECT_EQ(simRedMove(g), (Cell{10, 7}));
}

// An open Red four, closed at neither end: both ends complete five and
// score the same, so the attack takes the last of them in its scan order
// and the defence the first.
TEST(Searches, EqualThreatsFollowTheScanOrder) {
    const Position g =
        position(20, {{R, 8, 8}, {R, 9, 8}, {R, 10, 8}, {R, 11, 8}, {B, 18, 18}, {B, 2, 18}});
    EXPECT_EQ(simRedMove(g), (Cell{12, 8}));
    EXPECT_EQ(fixedRedAttack(g, {true, true}), (Cell{12, 8}));
    EXPECT_EQ(fixedRedAttack(g, {false, true}), (Cell{7, 8}));
    // Blue blocks the first end in fixed order unless the other is better
    // for Blue itself: (7, 8) and (12, 8) are both plain for Blue here.
    EXPECT_EQ(simBlueBlock(g), (Cell{7, 8}));
    FixedScanDraw down({false, false}, kFixedOrder);
    EXPECT_EQ(redDefend(position(20, {{B, 8, 8}, {B, 9, 8}, {B, 10, 8}, {B, 11, 8}}), down),
              (Cell{12, 8}));
}

TEST(Searches, DefenceBreaksThreatTiesByItsOwnScore) {
    // Blue's open four on row 8; a Red piece on (12, 7) and (12, 9) makes
    // (12, 8) worth more to Red than (7, 8).
    Position g = position(
        20, {{B, 8, 8}, {B, 9, 8}, {B, 10, 8}, {B, 11, 8}, {R, 12, 6}, {R, 12, 9}, {R, 12, 10}});
    FixedScanDraw up({true, true}, kFixedOrder);
    EXPECT_EQ(redDefend(g, up), (Cell{12, 8}));
}

TEST(Searches, AFiveHasNoPriorityOverTenFours) {
    // (7, 25) completes a Red five (score 1000); (15, 15) opens ten Red
    // four-windows, four along its row, four along its column and two on
    // its diagonal (score 1000 too). Equal scores: the last in scan order.
    const Position g = position(30, {{R, 3, 25},
                                     {R, 4, 25},
                                     {R, 5, 25},
                                     {R, 6, 25},
                                     {B, 2, 25},
                                     {R, 12, 15},
                                     {R, 13, 15},
                                     {R, 14, 15},
                                     {R, 17, 15},
                                     {R, 18, 15},
                                     {R, 15, 12},
                                     {R, 15, 13},
                                     {R, 15, 14},
                                     {R, 15, 17},
                                     {R, 15, 18},
                                     {R, 12, 12},
                                     {R, 14, 14},
                                     {R, 16, 16},
                                     {R, 18, 18}});
    EXPECT_EQ(simRedMove(g), (Cell{15, 15}));
    EXPECT_EQ(fixedRedAttack(g, {true, true}), (Cell{15, 15}));
    EXPECT_EQ(fixedRedAttack(g, {false, true}), (Cell{7, 25}));
    FixedScanDraw up(kFixedOrder, kFixedOrder);
    EXPECT_EQ(redPlainAttack(g, up), (Cell{15, 15}));
}

TEST(Searches, FallbacksTakeTheirOwnScanOrder) {
    // A lone Blue piece in a corner: Red has no threat, no gated follow-up
    // and no shape, so its attacks fall back to a cell next to the piece,
    // the last one met, in a freshly drawn order for the real move.
    const Position g = position(15, {{B, 1, 1}});
    EXPECT_EQ(simRedMove(g), (Cell{2, 2}));
    EXPECT_EQ(fixedRedAttack(g, {true, true}, {true, true}), (Cell{2, 2}));
    EXPECT_EQ(fixedRedAttack(g, {true, true}, {false, false}), (Cell{1, 2}));
    EXPECT_EQ(fixedRedAttack(g, {true, true}, {true, false}), (Cell{2, 1}));
    EXPECT_EQ(nearPieceCell(g, kFixedOrder, true), (Cell{1, 2}));
    EXPECT_EQ(nearPieceCell(g, {false, false}, true), (Cell{2, 2}));
}

TEST(Searches, NothingToFindGivesNoCell) {
    // Pieces without their zone, and a full board.
    Position g = emptyBoard(15);
    g.setCell(8, 8, kBlue);
    FixedScanDraw draw(kFixedOrder, kFixedOrder);
    EXPECT_FALSE(simRedMove(g).found());
    EXPECT_FALSE(simBlueAttack(g).found());
    EXPECT_FALSE(simBlueBlock(g).found());
    EXPECT_FALSE(redAttack(g, draw).found());
    EXPECT_FALSE(redPlainAttack(g, draw).found());
    EXPECT_FALSE(redDefend(g, draw).found());
}

TEST(Searches, RandomOrderSearchesDrawOncePerScan) {
    struct CountingDraw : ScanDraw {
        int draws = 0;
        ScanOrder next() override {
            ++draws;
            return kFixedOrder;
        }
    };
    const Position lone = position(15, {{B, 1, 1}});
    CountingDraw a;
    redAttack(lone, a);  // nothing to build on: the fallback draws again
    EXPECT_EQ(a.draws, 2);
    const Position three = position(15, {{R, 6, 8}, {R, 7, 8}, {R, 8, 8}, {B, 7, 7}, {B, 8, 9}});
    CountingDraw b;
    redAttack(three, b);
    EXPECT_EQ(b.draws, 1);
    CountingDraw c;
    redDefend(lone, c);
    EXPECT_EQ(c.draws, 1);
}

TEST(Searches, LeaveCellsAndZoneUnchangedAndReturnACandidate) {
    for (int n : {15, 20, 30})
        for (std::uint32_t seed = 1; seed <= 3; ++seed) {
            const Position g = test::randomPosition(n, 10 + n * static_cast<int>(seed), seed);
            const Board cells = g.cells();
            const Board zone = g.zone();
            FixedScanDraw draw({seed % 2 == 0, seed % 3 == 0}, {false, true});
            const std::vector<Cell> found = {simRedMove(g),           simBlueAttack(g),
                                             simBlueBlock(g),         redAttack(g, draw),
                                             redPlainAttack(g, draw), redDefend(g, draw)};
            EXPECT_EQ(g.cells(), cells);
            EXPECT_EQ(g.zone(), zone);
            for (const Cell& c : found) {
                ASSERT_TRUE(c.found());
                EXPECT_EQ(g.cell(c.col, c.row), kNone);
                EXPECT_TRUE(g.inZone(c.col, c.row));
            }
        }
}

namespace {

// Every search on g against the rules written plainly; the random-order
// searches scan in their own main order, all with the same fallback.
void expectPlainRules(const Position& g, ScanOrder attack, ScanOrder plain, ScanOrder defend,
                      ScanOrder fallback) {
    FixedScanDraw a(attack, fallback), b(plain, fallback), d(defend, fallback);
    EXPECT_EQ(simRedMove(g),
              test::referenceAttack(g, kRed, kFixedOrder, true, true, kFixedOrder, false));
    EXPECT_EQ(simBlueAttack(g),
              test::referenceAttack(g, kBlue, kFixedOrder, true, false, kFixedOrder, true));
    EXPECT_EQ(simBlueBlock(g), test::referenceDefence(g, kBlue, kFixedOrder));
    EXPECT_EQ(redAttack(g, a), test::referenceAttack(g, kRed, attack, true, true, fallback, false));
    EXPECT_EQ(redPlainAttack(g, b),
              test::referenceAttack(g, kRed, plain, false, false, fallback, false));
    EXPECT_EQ(redDefend(g, d), test::referenceDefence(g, kRed, defend));
}

}  // namespace

// Every search against the rules written plainly, on positions of every
// size from a few pieces to a crowded board, in all four scan orders.
TEST(Searches, MatchTheRulesWrittenPlainly) {
    const ScanOrder orders[4] = {{true, true}, {false, true}, {true, false}, {false, false}};
    int compared = 0;
    for (int n : {15, 20, 30})
        for (int pieces : {3, 6, 12, 25, 40, n * n * 2 / 5, 3, 6, 12, 25}) {
            const std::uint32_t seed = static_cast<std::uint32_t>(n * 1000 + pieces + compared);
            SCOPED_TRACE(testing::Message()
                         << n << "x" << n << ", " << pieces << " pieces, seed " << seed);
            const ScanOrder main = orders[seed % 4];
            expectPlainRules(test::randomPosition(n, pieces, seed), main, main, main,
                             orders[(seed / 4) % 4]);
            ++compared;
        }
    // Pieces spread on a lattice: the zone covers the board and nobody has
    // a threat, so every candidate is ranked by its follow-up sum.
    Position spread = emptyBoard(30);
    for (int c = 3, k = 0; c <= 30; c += 5)
        for (int r = 3; r <= 30; r += 5, ++k)
            put(spread, k % 2 ? kRed : kBlue, c, r);
    SCOPED_TRACE("lattice");
    expectPlainRules(spread, {false, true}, {false, true}, {true, false}, kFixedOrder);
    EXPECT_EQ(compared, 30);
}

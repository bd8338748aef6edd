// The new board: what it resets, what it leaves, and in which order it asks
// the window for things.

#include "enginetest.h"

using namespace zelvan;
using namespace zelvan::test;

namespace {

TEST_F(EngineTest, InitResetsTheBoardAndFlipsTheOpener) {
    g.sizeCode = 2;
    g.blueOpens = 1;
    g.gameRunning = 1;
    g.blinkPhase = 1;
    g.moveCol = 4;
    g.moveRow = 5;
    g.winner = kRed;
    g.busy = 1;
    g.moveCount = 17;
    g.blueLineCounts[3] = 2;
    g.redLineCounts[5] = 1;
    h.randoms = {0};
    init(g, h);

    EXPECT_EQ(g.boardSize, 20);
    EXPECT_EQ(g.cellPitch, 27);
    EXPECT_EQ(g.blueOpens, 0);
    EXPECT_EQ(g.blueToMove, 0);
    EXPECT_EQ(g.gameRunning, 0);
    EXPECT_EQ(g.blinkPhase, 0);
    EXPECT_EQ(g.moveCol, -1);
    EXPECT_EQ(g.moveRow, -1);
    EXPECT_EQ(g.plainAttack, 1);
    EXPECT_EQ(g.blueLineCounts, (std::array<std::int32_t, 6>{}));
    EXPECT_EQ(g.redLineCounts, (std::array<std::int32_t, 6>{}));
    // Play sets these, not the new board.
    EXPECT_EQ(g.winner, kRed);
    EXPECT_EQ(g.busy, 1);
    EXPECT_EQ(g.moveCount, 17);
    EXPECT_EQ(h.calls, (std::vector<std::string>{"cursor normal", "hidePanels", "reseed",
                                                 "blinkOff", "forgetMarks", "drawGrid", "pump"}));

    init(g, h);
    EXPECT_EQ(g.blueOpens, 1);
    EXPECT_EQ(g.blueToMove, 1);
}

TEST_F(EngineTest, InitDrawsTheComputersAttackStyleOneTimeInThree) {
    for (std::uint32_t draw : {0u, 1u, 2u, 3u, 4u}) {
        h.randoms = {draw};
        init(g, h);
        EXPECT_EQ(g.plainAttack, draw % 3 == 0 ? 1 : 0) << draw;
    }
}

TEST_F(EngineTest, InitWithAnUnknownSizeCodeKeepsTheBoardSize) {
    g.sizeCode = 3;
    init(g, h);
    g.sizeCode = 7;
    init(g, h);
    EXPECT_EQ(g.boardSize, 30);
    EXPECT_EQ(g.cellPitch, 18);
}

TEST_F(EngineTest, InitClearsCellsAndZoneOfTheActiveSquareOnly) {
    g.sizeCode = 3;
    init(g, h);
    for (int c = 1; c <= 30; ++c)
        for (int r = 1; r <= 30; ++r) {
            g.cells[cellIndex(c, r)] = (c + r) % 2 ? kBlue : kRed;
            g.zone[cellIndex(c, r)] = kZoneMark;
        }
    g.sizeCode = 1;
    init(g, h);
    int cleared = 0;
    for (int c = 1; c <= 30; ++c)
        for (int r = 1; r <= 30; ++r) {
            const bool inside = c <= 15 && r <= 15;
            EXPECT_EQ(g.cell(c, r) == kNone, inside) << c << "," << r;
            EXPECT_EQ(g.zone[cellIndex(c, r)] == 0, inside) << c << "," << r;
            cleared += inside;
        }
    EXPECT_EQ(cleared, 225);
}

}  // namespace

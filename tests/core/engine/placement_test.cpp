// The candidate zone and the shared placement sequence in its four variants,
// as the window sees it.

#include "enginetest.h"

using namespace zelvan;
using namespace zelvan::test;

namespace {

using Calls = std::vector<std::string>;

int zoneCount(const Game& g) {
    int n = 0;
    for (auto z : g.zone)
        n += z == kZoneMark;
    return n;
}

bool zoneSquare(const Game& g, int c1, int r1, int c2, int r2) {
    for (int c = 1; c <= kStride; ++c)
        for (int r = 1; r <= kStride; ++r) {
            const bool in = c >= c1 && c <= c2 && r >= r1 && r <= r2;
            if ((g.zone[cellIndex(c, r)] == kZoneMark) != in) return false;
        }
    return true;
}

TEST_F(EngineTest, MarkZoneStopsAtTheEdgesOfTheBoardInPlay) {
    // The zone a lone piece marks on a fresh board of a size code.
    const struct {
        int sizeCode, c, r, c1, r1, c2, r2;
    } cases[] = {{1, 1, 1, 1, 1, 5, 5},
                 {1, 15, 15, 11, 11, 15, 15},
                 {1, 8, 8, 4, 4, 12, 12},
                 {3, 15, 15, 11, 11, 19, 19},  // the same cell is inside a 30x30 board
                 {3, 30, 1, 26, 1, 30, 5}};
    for (const auto& k : cases) {
        startGame(k.sizeCode);
        markZone(g, k.c, k.r);
        EXPECT_TRUE(zoneSquare(g, k.c1, k.r1, k.c2, k.r2))
            << "(" << k.c << "," << k.r << ") at size code " << k.sizeCode;
    }
    markZone(g, 29, 2);  // overlapping marks just add up to the union
    EXPECT_EQ(zoneCount(g), 6 * 6);
}

class Placement : public EngineTest {
protected:
    void SetUp() override {
        startGame();
        g.redIsHuman = 1;
    }
};

TEST_F(Placement, BlueClickCountsStoresMarksDrawsSoundsPausesSendsPumpsScansThenPassesTurn) {
    g.connected = 1;
    g.moveCol = 12;
    g.moveRow = 4;
    bool seenAtPause = false;
    h.onDelay = [&] {
        // Counted, stored and zone-marked before the sound's pause.
        seenAtPause = g.moveCount == 1 && g.cell(12, 4) == kBlue &&
                      g.zone[cellIndex(8, 8)] == kZoneMark && g.zone[cellIndex(7, 4)] == 0 &&
                      g.blueToMove == 1;
    };
    placePiece(g, h, PieceSource::BlueClick, 12, 4);

    EXPECT_TRUE(seenAtPause);
    EXPECT_EQ(h.calls,
              (Calls{"drawPiece B 12 4 n", "markMove B 12 4", "sound BluePiece", "delay 150",
                     "send MOVE1204", "cursor wait", "pump", "showTurn", "pump"}));
    EXPECT_EQ(g.blueToMove, 0);
    EXPECT_EQ(g.gameRunning, 1);
    EXPECT_TRUE(zoneSquare(g, 8, 1, 15, 8));
}

TEST_F(Placement, BlueClickWithoutSoundOrConnectionOrFrame) {
    g.soundOff = 1;
    g.markBlueMove = 0;
    placePiece(g, h, PieceSource::BlueClick, 3, 9);
    EXPECT_EQ(h.calls, (Calls{"drawPiece B 3 9 n", "pump", "showTurn", "pump"}));
    EXPECT_TRUE(h.sent.empty());
}

TEST_F(Placement, TheScanRunsAfterThePumpAndTheTurnPassesAfterGameOver) {
    put(kBlue, {{1, 3}, {2, 3}, {4, 3}, {5, 3}, {6, 3}});
    put(kRed, {{1, 4}, {2, 4}, {4, 4}, {5, 4}, {6, 4}});
    bool unscannedAtPump = false;
    h.onPump = [&] { unscannedAtPump = g.winner == kNone && g.gameRunning == 1; };
    click(3, 3);

    EXPECT_TRUE(unscannedAtPump);
    EXPECT_EQ(g.winner, kBlue);
    EXPECT_EQ(g.blueLine, (std::array<std::int32_t, 4>{1, 3, 6, 3}));  // a run of six
    EXPECT_EQ(g.blueToMove, 0);
    ASSERT_GE(h.calls.size(), 4u);
    EXPECT_EQ(Calls(h.calls.end() - 5, h.calls.end()),
              (Calls{"sound BlueWins", "blinkOn", "save", "showTurn", "pump"}));
}

TEST_F(Placement, SecondPersonsClickHasNoZoneNoPauseAndNoMessage) {
    g.blueToMove = 0;
    click(6, 7);
    EXPECT_EQ(h.calls, (Calls{"drawPiece R 6 7 n", "markMove R 6 7", "sound RedPiece", "pump",
                              "showTurn", "pump"}));
    EXPECT_EQ(g.cell(6, 7), kRed);
    EXPECT_EQ(zoneCount(g), 0);
    EXPECT_EQ(g.moveCount, 1);
    EXPECT_EQ(g.blueToMove, 1);
}

TEST_F(Placement, SecondPersonsFiveEndsTheGameLikeTheComputers) {
    g.blueToMove = 0;
    put(kRed, {{9, 2}, {9, 3}, {9, 4}, {9, 5}});
    put(kBlue, {{1, 1}, {2, 2}, {3, 3}, {4, 4}});
    click(9, 6);
    EXPECT_EQ(g.winner, kRed);
    EXPECT_EQ(g.redLine, (std::array<std::int32_t, 4>{9, 2, 9, 6}));
    EXPECT_EQ(g.gameRunning, 0);
    EXPECT_TRUE(h.has("sound RedWins"));
    EXPECT_EQ(h.saves, 1);
    EXPECT_EQ(g.resultHistory[0], kRed);
    EXPECT_EQ(g.blueToMove, 1);
}

TEST_F(Placement, PeersMoveSetsTheCursorBackAndPumpsAfterTheScan) {
    g.connected = 1;
    g.blueToMove = 0;
    g.markRedMove = 0;
    g.moveCol = 6;
    g.moveRow = 7;
    placePiece(g, h, PieceSource::Peer, 6, 7);
    EXPECT_EQ(h.calls, (Calls{"drawPiece R 6 7 n", "sound RedPiece", "pump", "cursor normal",
                              "pump", "showTurn", "pump"}));
    EXPECT_EQ(zoneCount(g), 0);
    EXPECT_EQ(g.moveCount, 1);
    EXPECT_EQ(g.blueToMove, 1);
}

TEST_F(Placement, ComputersPieceIsAlreadyCountedMarksTheZoneAndClearsBusy) {
    g.redIsHuman = 0;
    g.blueToMove = 0;
    g.busy = 1;
    g.moveCount = 1;
    placePiece(g, h, PieceSource::Computer, 8, 8);
    EXPECT_EQ(h.calls, (Calls{"drawPiece R 8 8 n", "markMove R 8 8", "sound RedPiece", "pump",
                              "showTurn", "pump"}));
    EXPECT_EQ(g.moveCount, 1);
    EXPECT_TRUE(zoneSquare(g, 4, 4, 12, 12));
    EXPECT_EQ(g.busy, 0);
    EXPECT_EQ(g.blueToMove, 1);
}

}  // namespace

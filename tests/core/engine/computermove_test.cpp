#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ai/aiboard.h"
#include "core/ai/movechoice.h"
#include "core/engine/rules.h"
#include "support/fakehost.h"

using namespace zelvan;
using zelvan::test::emptyBoard;
using zelvan::test::FakeHost;
using zelvan::test::put;

namespace {

Game runningGame(int n) {
    Game g = emptyBoard(n);
    g.gameRunning = 1;
    g.blueToMove = 0;
    g.redIsHuman = 0;
    g.moveCount = 0;
    return g;
}

// Blue's piece as its click leaves it: counted, stored, zone marked.
void blueClick(Game& g, int col, int row) {
    put(g, kBlue, col, row);
    ++g.moveCount;
}

Cell lastRed(const Game& before, const Game& after) {
    for (int c = 1; c <= after.boardSize; ++c)
        for (int r = 1; r <= after.boardSize; ++r)
            if (before.cell(c, r) != after.cell(c, r)) return {c, r};
    return {};
}

}  // namespace

TEST(ComputerMove, OpensInTheMiddleOfEverySize) {
    for (auto [n, centre] : {std::pair{15, 8}, std::pair{20, 11}, std::pair{30, 16}}) {
        Game g = runningGame(n);
        FakeHost host;
        host.randoms = {1, 1, 1, 1};
        computerMove(g, host);
        EXPECT_EQ(g.cell(centre, centre), kRed) << n;
        EXPECT_EQ(test::piecesOn(g), 1);
        EXPECT_EQ(g.moveCount, 1);
        EXPECT_EQ(host.randoms.size(), 4u);  // no search ran
    }
}

TEST(ComputerMove, FirstReplyTakesTheFirstNeighbourInFixedOrder) {
    const std::pair<Cell, Cell> cases[] = {{{8, 8}, {7, 7}},
                                           {{1, 5}, {1, 4}},
                                           {{1, 1}, {1, 2}},
                                           {{15, 1}, {14, 1}},
                                           {{9, 15}, {8, 14}}};
    for (const auto& [blue, reply] : cases) {
        Game g = runningGame(15);
        blueClick(g, blue.col, blue.row);
        EXPECT_EQ(firstReply(g), reply);
        FakeHost host;
        computerMove(g, host);
        EXPECT_EQ(g.cell(reply.col, reply.row), kRed);
        EXPECT_EQ(g.moveCount, 2);
    }
}

TEST(ComputerMove, PlacesThroughTheSharedSequence) {
    Game g = runningGame(15);
    blueClick(g, 8, 8);
    FakeHost host;
    int busyDuringPump = -1;
    host.onPump = [&] { busyDuringPump = g.busy; };
    computerMove(g, host);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"drawPiece R 7 7 n", "markMove R 7 7",
                                                    "sound RedPiece", "pump", "showTurn", "pump"}));
    EXPECT_EQ(busyDuringPump, 1);
    EXPECT_EQ(g.busy, 0);
    EXPECT_EQ(g.blueToMove, 1);
    EXPECT_EQ(g.moveCount, 2);
    EXPECT_EQ(g.zone[cellIndex(3, 3)], kZoneMark);  // (7, 7) marked its zone
}

TEST(ComputerMove, SilentAndUnmarkedWhenSoSet) {
    Game g = runningGame(20);
    g.soundOff = 1;
    g.markRedMove = 0;
    FakeHost host(&g);
    computerMove(g, host);
    EXPECT_EQ(host.calls,
              (std::vector<std::string>{"drawPiece R 11 11 n", "pump", "showTurn", "pump"}));
}

TEST(ComputerMove, RandomOrderComesFromTheHost) {
    // Red's second piece: the look-ahead is safe, so redAttack runs on the
    // host's two draws (1 -> columns descending, 0 -> rows ascending).
    Game g = runningGame(15);
    blueClick(g, 8, 8);
    put(g, kRed, 7, 7);
    ++g.moveCount;
    blueClick(g, 10, 3);
    g.plainAttack = 0;
    g.computerLevel = 3;
    Game probe = g;
    probe.moveCount += 1;
    FixedScanDraw draw({false, true}, {false, true});
    const Cell expected = chooseMove(probe, draw);

    FakeHost host;
    host.randoms = {1, 0, 1, 0};
    const Game before = g;
    computerMove(g, host);
    EXPECT_EQ(lastRed(before, g), expected);
}

TEST(ComputerMove, RedFiveEndsTheGameAndTheTurnStillPasses) {
    Game g = runningGame(15);
    for (int c : {5, 6, 7, 8}) {
        put(g, kRed, c, 8);
        ++g.moveCount;
    }
    for (auto [c, r] : {std::pair{4, 8}, {6, 9}, {7, 10}, {8, 11}, {2, 2}})
        blueClick(g, c, r);
    FakeHost host;
    computerMove(g, host);
    EXPECT_EQ(g.cell(9, 8), kRed);
    EXPECT_EQ(g.winner, kRed);
    EXPECT_EQ(g.gameRunning, 0);
    EXPECT_EQ(g.blueToMove, 1);
    EXPECT_EQ(g.busy, 0);
    EXPECT_TRUE(host.has("sound RedWins"));
}

// A game against a Blue that answers somewhere near the last Red piece: every
// reply of the computer changes the board at exactly one empty cell and the
// zone exactly around it, whatever the look-ahead did in between.
TEST(ComputerMove, OnlyTheChosenCellChanges) {
    for (int level = 1; level <= 3; ++level) {
        Game g = runningGame(15);
        g.computerLevel = static_cast<std::uint8_t>(level);
        FakeHost host;
        std::mt19937 rng(static_cast<std::uint32_t>(level));
        for (int i = 0; i < 64; ++i)
            host.randoms.push_back(rng() % 2);
        blueClick(g, 8, 8);
        for (int move = 0; move < 12 && g.gameRunning; ++move) {
            const Game before = g;
            computerMove(g, host);
            const Cell red = lastRed(before, g);
            ASSERT_TRUE(red.found());
            EXPECT_EQ(before.cell(red.col, red.row), kNone);
            Game expected = before;
            put(expected, kRed, red.col, red.row);
            EXPECT_EQ(g.cells, expected.cells);
            EXPECT_EQ(g.zone, expected.zone);
            EXPECT_EQ(g.moveCount, before.moveCount + 1);
            if (!g.gameRunning) break;
            // Blue plays the first empty cell around Red's piece.
            bool played = false;
            for (int dc = -1; dc <= 1 && !played; ++dc)
                for (int dr = -1; dr <= 1 && !played; ++dr)
                    if (g.onBoard(red.col + dc, red.row + dr) &&
                        g.cell(red.col + dc, red.row + dr) == kNone) {
                        blueClick(g, red.col + dc, red.row + dr);
                        played = true;
                    }
            ASSERT_TRUE(played);
            if (scanFive(g).winner) break;
        }
    }
}

// Pieces that never marked their zone (not a position a game reaches): no
// search finds a cell, the look-ahead ends at once, and the computer places
// nothing rather than writing off the board, and hands the turn back.
TEST(ComputerMove, NoCellToPlayPlacesNothing) {
    Game g = runningGame(15);
    for (auto [c, r] : {std::pair{8, 8}, {9, 9}, {10, 8}})
        g.cells[cellIndex(c, r)] = kBlue;
    g.moveCount = 3;
    g.computerLevel = 3;
    Game probe = g;
    probe.moveCount = 4;
    FixedScanDraw draw(kFixedOrder, kFixedOrder);
    EXPECT_FALSE(chooseMove(probe, draw).found());
    EXPECT_EQ(probe.cells, g.cells);

    FakeHost host;
    const Game before = g;
    computerMove(g, host);
    EXPECT_EQ(g.cells, before.cells);
    EXPECT_EQ(g.zone, before.zone);
    EXPECT_EQ(g.moveCount, 3);
    EXPECT_EQ(g.busy, 0);
    EXPECT_EQ(g.blueToMove, 1);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"showTurn", "pump"}));
}

// The whole-board scan: every direction with its recorded ends, runs longer
// than five, which of two lines is recorded, how often the end of game draws
// the line, the full board, and the bounds of a smaller board.

#include <array>
#include <vector>

#include "enginetest.h"

using namespace zelvan;
using namespace zelvan::test;

namespace {

struct WinCase {
    const char* name;
    int sizeCode;
    std::uint8_t colour;
    std::vector<std::pair<int, int>> cells;  // in the scan's walking order
    std::array<std::int32_t, 4> line;
    int draws;  // end-of-game draws: rows 4, columns 3, diagonals 2, anti-diagonals 1
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const WinCase& w, std::ostream* os) {
    *os << w.name;
}

const WinCase kWins[] = {
    {"RowOnBottomEdge",
     1,
     kBlue,
     {{11, 15}, {12, 15}, {13, 15}, {14, 15}, {15, 15}},
     {11, 15, 15, 15},
     4},
    {"Column", 1, kBlue, {{7, 3}, {7, 4}, {7, 5}, {7, 6}, {7, 7}}, {7, 3, 7, 7}, 3},
    {"LastDiagonalFromColumnOne",
     1,
     kBlue,
     {{1, 11}, {2, 12}, {3, 13}, {4, 14}, {5, 15}},
     {1, 11, 5, 15},
     2},
    {"LastDiagonalFromRowOne",
     1,
     kRed,
     {{11, 1}, {12, 2}, {13, 3}, {14, 4}, {15, 5}},
     {11, 1, 15, 5},
     2},
    {"FirstAntiDiagonalFromRowOne",
     1,
     kRed,
     {{5, 1}, {4, 2}, {3, 3}, {2, 4}, {1, 5}},
     {5, 1, 1, 5},
     1},
    {"LastAntiDiagonalFromRightEdge",
     1,
     kRed,
     {{15, 11}, {14, 12}, {13, 13}, {12, 14}, {11, 15}},
     {15, 11, 11, 15},
     1},
    {"MainDiagonalOn20",
     2,
     kBlue,
     {{16, 16}, {17, 17}, {18, 18}, {19, 19}, {20, 20}},
     {16, 16, 20, 20},
     2},
    {"RowOfSix", 1, kBlue, {{1, 3}, {2, 3}, {3, 3}, {4, 3}, {5, 3}, {6, 3}}, {1, 3, 6, 3}, 4},
    {"ColumnOfSixOn30",
     3,
     kRed,
     {{30, 25}, {30, 26}, {30, 27}, {30, 28}, {30, 29}, {30, 30}},
     {30, 25, 30, 30},
     3},
    {"DiagonalOfSixOn30",
     3,
     kBlue,
     {{20, 10}, {21, 11}, {22, 12}, {23, 13}, {24, 14}, {25, 15}},
     {20, 10, 25, 15},
     2},
    {"AntiDiagonalOfSixAboveMain",
     1,
     kBlue,
     {{10, 1}, {9, 2}, {8, 3}, {7, 4}, {6, 5}, {5, 6}},
     {10, 1, 5, 6},
     1},
    {"AntiDiagonalOfSixBelowMain",
     1,
     kRed,
     {{15, 3}, {14, 4}, {13, 5}, {12, 6}, {11, 7}, {10, 8}},
     {15, 3, 10, 8},
     1},
    {"LastAntiDiagonalOn30",
     3,
     kRed,
     {{30, 26}, {29, 27}, {28, 28}, {27, 29}, {26, 30}},
     {30, 26, 26, 30},
     1},
};

class CheckFiveWins : public EngineTest, public ::testing::WithParamInterface<WinCase> {};

TEST_P(CheckFiveWins, RecordsEndsDrawsAtEachGroupAndEndsTheGameOnce) {
    const WinCase& w = GetParam();
    startGame(w.sizeCode);
    std::vector<std::string> line;
    for (auto [c, r] : w.cells) {
        g.cells[cellIndex(c, r)] = w.colour;
        ++g.moveCount;
        line.push_back(std::string("drawPiece ") + (w.colour == kBlue ? 'B' : 'R') + " " +
                       std::to_string(c) + " " + std::to_string(r) + " h");
    }
    // A stray piece of the other side does not disturb the run.
    g.cells[cellIndex(1, 1)] = w.colour == kBlue ? kRed : kBlue;
    ++g.moveCount;

    const FiveScan pure = scanFive(g);
    checkFive(g, h);

    EXPECT_EQ(g.winner, w.colour);
    EXPECT_EQ(pure.winner, w.colour);
    EXPECT_EQ(g.gameRunning, 0);
    const auto& recorded = w.colour == kBlue ? g.blueLine : g.redLine;
    EXPECT_EQ(recorded, w.line);
    EXPECT_EQ(w.colour == kBlue ? pure.blueLine : pure.redLine, w.line);

    // The line is drawn highlighted at every group from the one that found
    // it, each time followed by a pump; the game-over steps come once.
    std::vector<std::string> expected;
    for (int i = 0; i < w.draws; ++i) {
        expected.insert(expected.end(), line.begin(), line.end());
        expected.push_back("pump");
    }
    expected.push_back(w.colour == kBlue ? "sound BlueWins" : "sound RedWins");
    expected.push_back("blinkOn");
    expected.push_back("save");
    EXPECT_EQ(h.calls, expected);
    EXPECT_EQ(g.blinkPhase, 1);
    EXPECT_EQ(g.resultHistory[0], w.colour);
    EXPECT_EQ(g.resultHistory[1], kNone);
    EXPECT_EQ(h.ends, (std::vector<GameEnd>{{EndReason::Five, w.colour}}));
}

INSTANTIATE_TEST_SUITE_P(Directions, CheckFiveWins, ::testing::ValuesIn(kWins),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EngineTest, RowAndColumnAtOnceRecordTheColumnAndDrawTheRowOnce) {
    startGame();
    put(kBlue, {{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 1}, {5, 2}, {5, 3}, {5, 4}, {5, 5}});
    checkFive(g, h);

    EXPECT_EQ(g.winner, kBlue);
    EXPECT_EQ(g.blueLine, (std::array<std::int32_t, 4>{5, 1, 5, 5}));
    const auto row = pieces('B', {{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}}, true);
    const auto column = pieces('B', {{5, 1}, {5, 2}, {5, 3}, {5, 4}, {5, 5}}, true);
    std::vector<std::string> expected = row;
    for (int i = 0; i < 3; ++i)
        expected.insert(expected.end(), column.begin(), column.end());
    EXPECT_EQ(drawn(true), expected);
    EXPECT_EQ(h.count("save"), 1);

    // The column is the line that blinks; the row keeps its highlighted look.
    h.clear();
    blinkTick(g, h);
    EXPECT_EQ(drawn(false), pieces('B', {{5, 1}, {5, 2}, {5, 3}, {5, 4}, {5, 5}}, false));
}

TEST_F(EngineTest, BrokenAndShortRunsDoNotWin) {
    startGame();
    put(kBlue, {{1, 1}, {2, 1}, {3, 1}, {5, 1}, {6, 1}});  // gap
    put(kBlue, {{1, 3}, {2, 3}, {3, 3}, {4, 3}});          // four
    put(kRed, {{5, 3}});
    put(kBlue, {{6, 3}, {7, 3}});
    put(kBlue, {{15, 2}, {14, 3}, {13, 4}, {12, 5}});  // four on an anti-diagonal
    put(kRed, {{11, 6}});
    checkFive(g, h);
    EXPECT_EQ(g.winner, kNone);
    EXPECT_EQ(g.gameRunning, 1);
    EXPECT_TRUE(h.calls.empty());
}

TEST_F(EngineTest, OldPiecesOutsideASmallerBoardNeverCount) {
    startGame(3);
    put(kBlue, {{12, 3}, {13, 3}, {14, 3}, {15, 3}, {16, 3}, {17, 3}, {18, 3}, {19, 3}, {20, 3}});
    put(kRed, {{16, 16}, {17, 17}, {18, 18}, {19, 19}, {20, 20}});
    startGame(1);
    EXPECT_EQ(g.cell(12, 3), kNone);  // the active square is cleared
    EXPECT_EQ(g.cell(16, 3), kBlue);  // the rest is left behind
    EXPECT_EQ(g.cell(20, 20), kRed);

    // Four on the board plus old pieces beyond column 15 make no five.
    put(kBlue, {{12, 3}, {13, 3}, {14, 3}, {15, 3}});
    put(kRed, {{12, 12}, {13, 13}, {14, 14}, {15, 15}});
    checkFive(g, h);
    EXPECT_EQ(g.winner, kNone);
    EXPECT_EQ(g.gameRunning, 1);
}

TEST_F(EngineTest, WithRunsOfBothSidesTheLastFoundInWalkingOrderWins) {
    startGame();
    put(kBlue, {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}});
    put(kRed, {{1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}});
    EXPECT_EQ(scanFive(g).winner, kRed);  // row 2 is walked after row 1

    startGame();
    put(kRed, {{3, 10}, {4, 10}, {5, 10}, {6, 10}, {7, 10}});
    put(kBlue, {{1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5}});
    EXPECT_EQ(scanFive(g).winner, kBlue);  // columns come after every row
}

// Blue where (c + 2r) mod 4 < 2, else Red: pairs along rows and diagonals,
// alternation down columns, so no line ever holds five of one colour.
std::uint8_t drawPattern(int c, int r) {
    return (c + 2 * r) % 4 < 2 ? kBlue : kRed;
}

TEST_F(EngineTest, FullBoardWithoutFiveIsADraw) {
    startGame();
    g.scoreBlue = 1200;
    g.scoreRed = 800;
    g.resultHistory[0] = kRed;
    for (int c = 1; c <= 15; ++c)
        for (int r = 1; r <= 15; ++r)
            if (c != 15 || r != 15) put(drawPattern(c, r), {{c, r}});
    ASSERT_EQ(drawPattern(15, 15), kBlue);
    ASSERT_EQ(g.moveCount, 224);

    g.moveCol = 15;
    g.moveRow = 15;
    placePiece(g, h, PieceSource::BlueClick, 15, 15);

    EXPECT_EQ(g.moveCount, 225);
    EXPECT_EQ(g.gameRunning, 0);
    EXPECT_EQ(g.winner, kNone);
    EXPECT_EQ(g.blueToMove, 0);  // the turn still passes
    EXPECT_TRUE(h.has("showTurn"));
    EXPECT_FALSE(h.has("sound BlueWins"));
    EXPECT_FALSE(h.has("sound RedWins"));
    EXPECT_FALSE(h.has("blinkOn"));
    EXPECT_EQ(h.saves, 0);
    EXPECT_EQ(g.scoreBlue, 1200);
    EXPECT_EQ(g.scoreRed, 800);
    EXPECT_EQ(g.resultHistory[0], kRed);
    EXPECT_EQ(g.resultHistory[1], kNone);
    EXPECT_TRUE(drawn(true).empty());
    EXPECT_EQ(h.ends, (std::vector<GameEnd>{{EndReason::FullBoard, kNone}}));
}

// The draw pattern on a 15x15 board, all but the last free cell (15, 15).
void fillAllButTheCorner(Game& g) {
    for (int c = 1; c <= 15; ++c)
        for (int r = 1; r <= 15; ++r)
            if (c != 15 || r != 15) g.cells[cellIndex(c, r)] = drawPattern(c, r);
    g.moveCount = 224;
}

TEST_F(EngineTest, FiveOnTheLastFreeCellIsAWinNotADraw) {
    startGame();
    fillAllButTheCorner(g);
    for (int r = 11; r <= 14; ++r)
        g.cells[cellIndex(15, r)] = kBlue;
    ASSERT_EQ(scanFive(g).winner, kNone);
    placePiece(g, h, PieceSource::BlueClick, 15, 15);
    EXPECT_EQ(g.winner, kBlue);
    EXPECT_EQ(g.gameRunning, 0);
    EXPECT_EQ(h.ends, (std::vector<GameEnd>{{EndReason::Five, kBlue}}));
}

// The last piece of a drawn network game went out as a MOVE, which shows the
// hourglass; nobody is left to answer it.
TEST_F(EngineTest, DrawOverTheNetworkLeavesNoHourglass) {
    startGame();
    g.connected = 1;
    g.redIsHuman = 1;
    fillAllButTheCorner(g);
    placePiece(g, h, PieceSource::BlueClick, 15, 15);
    EXPECT_EQ(h.sent, (std::vector<std::string>{"MOVE1515"}));
    EXPECT_EQ(g.gameRunning, 0);
    EXPECT_EQ(h.cursor, Cursor::Normal);
}

}  // namespace

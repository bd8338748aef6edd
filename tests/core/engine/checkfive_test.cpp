// The whole-board scan: every direction with its recorded ends, runs longer
// than five, which of two lines is recorded, the winning line drawn, the
// full board, and the bounds of a smaller board.

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "core/engine/checkfive.h"
#include "support/matchrig.h"

using namespace zelvan;
using namespace zelvan::test;

namespace {

struct WinCase {
    const char* name;
    int sizeCode;
    std::uint8_t colour;
    Cells cells;  // in the scan's walking order
    LineEnds line;
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
     {11, 15, 15, 15}},
    {"Column", 1, kBlue, {{7, 3}, {7, 4}, {7, 5}, {7, 6}, {7, 7}}, {7, 3, 7, 7}},
    {"LastDiagonalFromColumnOne",
     1,
     kBlue,
     {{1, 11}, {2, 12}, {3, 13}, {4, 14}, {5, 15}},
     {1, 11, 5, 15}},
    {"LastDiagonalFromRowOne",
     1,
     kRed,
     {{11, 1}, {12, 2}, {13, 3}, {14, 4}, {15, 5}},
     {11, 1, 15, 5}},
    {"FirstAntiDiagonalFromRowOne",
     1,
     kRed,
     {{5, 1}, {4, 2}, {3, 3}, {2, 4}, {1, 5}},
     {5, 1, 1, 5}},
    {"LastAntiDiagonalFromRightEdge",
     1,
     kRed,
     {{15, 11}, {14, 12}, {13, 13}, {12, 14}, {11, 15}},
     {15, 11, 11, 15}},
    {"MainDiagonalOn20",
     2,
     kBlue,
     {{16, 16}, {17, 17}, {18, 18}, {19, 19}, {20, 20}},
     {16, 16, 20, 20}},
    {"RowOfSix", 1, kBlue, {{1, 3}, {2, 3}, {3, 3}, {4, 3}, {5, 3}, {6, 3}}, {1, 3, 6, 3}},
    {"ColumnOfSixOn30",
     3,
     kRed,
     {{30, 25}, {30, 26}, {30, 27}, {30, 28}, {30, 29}, {30, 30}},
     {30, 25, 30, 30}},
    {"DiagonalOfSixOn30",
     3,
     kBlue,
     {{20, 10}, {21, 11}, {22, 12}, {23, 13}, {24, 14}, {25, 15}},
     {20, 10, 25, 15}},
    {"AntiDiagonalOfSixAboveMain",
     1,
     kBlue,
     {{10, 1}, {9, 2}, {8, 3}, {7, 4}, {6, 5}, {5, 6}},
     {10, 1, 5, 6}},
    {"AntiDiagonalOfSixBelowMain",
     1,
     kRed,
     {{15, 3}, {14, 4}, {13, 5}, {12, 6}, {11, 7}, {10, 8}},
     {15, 3, 10, 8}},
    {"LastAntiDiagonalOn30",
     3,
     kRed,
     {{30, 26}, {29, 27}, {28, 28}, {27, 29}, {26, 30}},
     {30, 26, 26, 30}},
};

Side sideOf(std::uint8_t colour) {
    return colour == kBlue ? Side::Blue : Side::Red;
}

class CheckFiveWins : public ::testing::TestWithParam<WinCase> {};

// The run laid but for its last cell, with a stray piece of the other side
// (which does not disturb it), then completed by a click: the line is
// recorded, drawn highlighted and blinks; the game is won and scored once.
TEST_P(CheckFiveWins, RecordsTheEndsDrawsTheLineAndEndsTheGameOnce) {
    const WinCase& w = GetParam();
    MatchRig t;
    t.startGame(true, false, w.sizeCode);
    // The run's own colour is to move: the stray piece comes last.
    const PieceSource own = w.colour == kBlue ? PieceSource::BlueClick : PieceSource::RedClick;
    const PieceSource other = w.colour == kBlue ? PieceSource::RedClick : PieceSource::BlueClick;
    std::vector<PlayedMove> moves;
    for (auto it = w.cells.begin(); it + 1 != w.cells.end(); ++it)
        moves.push_back({std::uint8_t(it->first), std::uint8_t(it->second), own});
    moves.push_back({1, 1, other});
    t.lay(moves);
    const auto [lastCol, lastRow] = w.cells.back();
    t.play(lastCol, lastRow);

    Position finished = t.match.position();
    const FiveScan pure = scanFive(finished);
    EXPECT_EQ(pure.winner, w.colour);
    EXPECT_EQ(w.colour == kBlue ? pure.blueLine : pure.redLine, w.line);
    EXPECT_EQ(t.match.winner(), w.colour);
    EXPECT_FALSE(t.match.running());
    EXPECT_EQ(w.colour == kBlue ? t.match.blueLine() : t.match.redLine(), w.line);
    EXPECT_TRUE(t.board.show(sideOf(w.colour), w.cells, true));
    EXPECT_TRUE(t.board.blinking);
    EXPECT_EQ(t.speaker.played.back(), w.colour == kBlue ? "BlueWins" : "RedWins");
    EXPECT_EQ(t.scores.results()[0], w.colour);
    EXPECT_EQ(t.scores.results()[1], kNone);
    EXPECT_EQ(t.settings.saves, 1);
    EXPECT_EQ(t.console.ends, (std::vector<GameEnd>{{EndReason::Five, w.colour}}));
}

INSTANTIATE_TEST_SUITE_P(Directions, CheckFiveWins, ::testing::ValuesIn(kWins),
                         [](const auto& info) { return std::string(info.param.name); });

// A piece that completes a row and a column: the column is recorded and
// blinks, the row keeps its highlighted look.
TEST(CheckFive, RowAndColumnAtOnceRecordTheColumnAndKeepTheRowHighlighted) {
    MatchRig t;
    t.startGame();
    const Cells row = {{1, 5}, {2, 5}, {3, 5}, {4, 5}};
    const Cells column = {{5, 1}, {5, 2}, {5, 3}, {5, 4}};
    Cells blue = row;
    blue.insert(blue.end(), column.begin(), column.end());
    t.lay(blue, {{9, 9}, {10, 10}, {11, 11}, {12, 9}, {9, 12}, {13, 13}, {14, 9}, {9, 14}});
    t.play(5, 5);

    EXPECT_EQ(t.match.winner(), kBlue);
    EXPECT_EQ(t.match.blueLine(), (LineEnds{5, 1, 5, 5}));
    EXPECT_EQ(t.settings.saves, 1);
    t.match.blinkTick();
    EXPECT_TRUE(t.board.show(Side::Blue, row, true));
    EXPECT_TRUE(t.board.show(Side::Blue, column, false));
    EXPECT_TRUE(t.board.show(Side::Blue, {{5, 5}}, false));
}

TEST(CheckFive, BrokenAndShortRunsDoNotWin) {
    MatchRig t;
    t.startGame();
    t.lay({{1, 1},
           {2, 1},
           {3, 1},
           {5, 1},
           {6, 1},  // a gap
           {1, 3},
           {2, 3},
           {3, 3},
           {4, 3},  // four
           {6, 3},
           {15, 2},
           {14, 3},
           {13, 4}},  // and four on an anti-diagonal
          {{5, 3},
           {11, 6},
           {9, 9},
           {10, 11},
           {12, 13},
           {14, 9},
           {3, 12},
           {5, 14},
           {7, 10},
           {1, 7},
           {13, 1},
           {4, 9},
           {8, 13}});
    t.play(7, 3);
    t.play(12, 15);
    EXPECT_EQ(t.match.winner(), kNone);
    EXPECT_TRUE(t.match.running());
    EXPECT_TRUE(t.console.ends.empty());
}

TEST(CheckFive, OldPiecesOutsideASmallerBoardNeverCount) {
    Position g(30);
    for (int c = 12; c <= 20; ++c)
        g.put(kBlue, c, 3);
    for (int k = 16; k <= 20; ++k)
        g.put(kRed, k, k);
    g.clear(15);
    EXPECT_EQ(g.cell(12, 3), kNone);  // the active square is cleared
    EXPECT_EQ(g.cell(16, 3), kBlue);  // the rest is left behind
    // Four on the board plus old pieces beyond column 15 make no five.
    for (int c = 12; c <= 15; ++c)
        g.put(kBlue, c, 3);
    for (int k = 12; k <= 15; ++k)
        g.put(kRed, k, k);
    EXPECT_EQ(scanFive(g).winner, kNone);
}

TEST(CheckFive, WithRunsOfBothSidesTheLastFoundInWalkingOrderWins) {
    Position g(15);
    for (int c = 1; c <= 5; ++c) {
        g.put(kBlue, c, 1);
        g.put(kRed, c, 2);
    }
    EXPECT_EQ(scanFive(g).winner, kRed);  // row 2 is walked after row 1

    Position h(15);
    for (int k = 1; k <= 5; ++k) {
        h.put(kRed, 2 + k, 10);
        h.put(kBlue, 1, k);
    }
    EXPECT_EQ(scanFive(h).winner, kBlue);  // columns come after every row
}

// Blue where (c + 2r) mod 4 < 2, else Red: pairs along rows and diagonals,
// alternation down columns, so no line ever holds five of one colour. All
// of a 15x15 board but (15, 15), which is Blue's.
void layAllButTheCorner(MatchRig& t, const Cells& changed = {}) {
    Cells blue, red;
    for (int c = 1; c <= 15; ++c)
        for (int r = 1; r <= 15; ++r) {
            if (c == 15 && r == 15) continue;
            const bool asChanged =
                std::find(changed.begin(), changed.end(), std::pair{c, r}) != changed.end();
            ((c + 2 * r) % 4 < 2 || asChanged ? blue : red).emplace_back(c, r);
        }
    t.lay(blue, red);
}

TEST(CheckFive, FullBoardWithoutFiveIsADraw) {
    MatchRig t;
    t.scores.restore(1200, 800, {kRed});
    t.startGame();
    layAllButTheCorner(t);
    ASSERT_EQ(t.match.position().moveCount(), 224);
    ASSERT_TRUE(t.match.blueToMove());
    t.play(15, 15);

    EXPECT_FALSE(t.match.running());
    EXPECT_EQ(t.match.winner(), kNone);
    EXPECT_FALSE(t.match.blueToMove());  // the turn still passes
    EXPECT_EQ(t.console.turnShown, false);
    EXPECT_EQ(t.speaker.played, (std::vector<std::string>{"BluePiece"}));
    EXPECT_FALSE(t.board.blinking);
    EXPECT_EQ(t.settings.saves, 0);
    EXPECT_EQ(t.scores, [] {
        Scores s;
        s.restore(1200, 800, {kRed});
        return s;
    }());
    EXPECT_EQ(t.console.ends, (std::vector<GameEnd>{{EndReason::FullBoard, kNone}}));
}

TEST(CheckFive, FiveOnTheLastFreeCellIsAWinNotADraw) {
    MatchRig t;
    t.startGame();
    // Column 15 rows 11..14 Blue: with (15, 15) a five.
    layAllButTheCorner(t, {{15, 11}, {15, 12}, {15, 13}, {15, 14}});
    ASSERT_EQ(scanFive(t.match.position()).winner, kNone);
    t.play(15, 15);
    EXPECT_EQ(t.match.winner(), kBlue);
    EXPECT_EQ(t.console.ends, (std::vector<GameEnd>{{EndReason::Five, kBlue}}));
}

// The last piece of a drawn network game went out as a MOVE, which shows the
// hourglass; nobody is left to answer it.
TEST(CheckFive, DrawOverTheNetworkLeavesNoHourglass) {
    MatchRig t;
    t.startGame();
    layAllButTheCorner(t);
    t.peer.isConnected = true;
    t.play(15, 15);
    EXPECT_EQ(t.peer.sent, (std::vector<std::string>{"MOVE1515"}));
    EXPECT_FALSE(t.match.running());
    EXPECT_EQ(t.console.cursor, Cursor::Normal);
}

}  // namespace

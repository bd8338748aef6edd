// Taking moves back: the record after an undo is the record of the same game
// played without the moves taken back, and undo keeps out of network games,
// finished games and other handlers.

#include <span>

#include "core/engine/undo.h"
#include "enginetest.h"

using namespace zelvan;
using namespace zelvan::test;

namespace {

// A game on its own record and host, started as Play starts it. The
// computer's answers come from the same numbers in every copy.
struct Table {
    Game g;
    FakeHost h;

    Table(bool blueFirst, bool redIsHuman) {
        h.randoms = {1, 0, 1, 1, 0, 0, 1, 0, 1, 1, 0, 1, 0, 0, 1, 1, 0, 1, 1, 0};
        g.redIsHuman = redIsHuman ? 1 : 0;
        g.computerLevel = 3;
        g.blueOpens = blueFirst ? 0 : 1;  // init flips it
        init(g, h);
        g.gameRunning = 1;
        g.moveCount = 0;
        if (!g.blueToMove && !g.redIsHuman) computerMove(g, h);
    }

    // A click on (c, r) by the side to move; against the computer its
    // answer follows inside the click, as in play.
    void click(int c, int r) {
        ASSERT_EQ(g.cell(c, r), kNone);
        const int p = g.cellPitch;
        boardClick(g, h, MouseButton::Left, (c - 1) * (p + 1) + 1 + p / 2,
                   (r - 1) * (p + 1) + 1 + p / 2);
    }
};

// Blue's cells, far enough from each other that the computer's answers
// (which stay next to the pieces) never take one; too few for Red's five.
constexpr std::pair<int, int> kBlueCells[] = {{4, 4}, {12, 4}, {4, 12}};

}  // namespace

TEST(Undo, AgainstTheComputerTakesBackItsAnswerAndBluesMove) {
    for (bool blueFirst : {true, false}) {
        Table played(blueFirst, false);
        for (auto [c, r] : kBlueCells)
            played.click(c, r);
        ASSERT_EQ(played.g.gameRunning, 1);
        Table shorter(blueFirst, false);
        for (auto [c, r] : std::span(kBlueCells).first(2))
            shorter.click(c, r);

        played.h.clear();
        EXPECT_EQ(undoMove(played.g, played.h), UndoOutcome::Undone);
        EXPECT_TRUE(played.g == shorter.g) << "Blue first: " << blueFirst;
        EXPECT_EQ(played.g.blueToMove, 1);
        // Silently: no sound, pause, message, save or new clock.
        for (const std::string& call : played.h.calls)
            EXPECT_TRUE(call.starts_with("draw") || call.starts_with("mark") ||
                        call == "forgetMarks" || call == "showTurn")
                << call;
        // The replayed board shows the kept pieces with their last frames.
        EXPECT_EQ(played.h.count("drawGrid"), 1);
        std::size_t pieces = 0;
        for (const std::string& call : played.h.calls)
            pieces += call.starts_with("drawPiece");
        EXPECT_EQ(pieces, played.g.moves.size());
    }
}

TEST(Undo, AComputerOpeningAloneStays) {
    Table t(false, false);
    const Game before = t.g;
    EXPECT_EQ(undoMove(t.g, t.h), UndoOutcome::Refused);
    EXPECT_TRUE(t.g == before);
}

TEST(Undo, BetweenTwoPeopleTakesBackOnePieceAtATime) {
    Table played(true, true);
    for (auto [c, r] : {std::pair{8, 8}, {9, 9}, {8, 9}, {9, 10}})
        played.click(c, r);
    Table shorter(true, true);
    for (auto [c, r] : {std::pair{8, 8}, {9, 9}, {8, 9}})
        shorter.click(c, r);

    EXPECT_EQ(undoMove(played.g, played.h), UndoOutcome::Undone);
    EXPECT_TRUE(played.g == shorter.g);
    EXPECT_EQ(played.g.blueToMove, 0);  // Red places its piece again
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(undoMove(played.g, played.h), UndoOutcome::Undone);
    EXPECT_TRUE(played.g == Table(true, true).g);
    EXPECT_EQ(undoMove(played.g, played.h), UndoOutcome::Refused);
}

TEST(Undo, AGameWithUndoStillScoresWhenItEnds) {
    Table t(true, true);
    for (auto [c, r] : {std::pair{1, 1}, {1, 2}, {2, 1}, {2, 2}, {3, 1}, {3, 2}, {4, 1}, {4, 2}})
        t.click(c, r);
    ASSERT_EQ(undoMove(t.g, t.h), UndoOutcome::Undone);
    EXPECT_EQ(t.g.scoreBlue, 1000);
    t.click(6, 6);  // Red plays elsewhere instead
    t.click(5, 1);  // Blue's five
    EXPECT_EQ(t.g.winner, kBlue);
    EXPECT_EQ(t.g.scoreBlue, 1001);
    EXPECT_EQ(t.g.scoreRed, 999);
}

TEST(Undo, RefusedInANetworkGameAfterTheEndAndDuringAnotherHandler) {
    Table t(true, true);
    t.click(8, 8);
    t.click(9, 9);
    const Game before = t.g;

    Game online = before;
    online.connected = 1;
    EXPECT_EQ(undoMove(online, t.h), UndoOutcome::NetworkGame);
    online.connected = 0;
    EXPECT_TRUE(online == before);

    Game ended = before;
    ended.gameRunning = 0;
    EXPECT_EQ(undoMove(ended, t.h), UndoOutcome::Refused);
    ended.gameRunning = 1;
    EXPECT_TRUE(ended == before);

    // Ctrl+Z pressed in the pump of Blue's placement.
    UndoOutcome nested = UndoOutcome::Undone;
    t.h.onPump = [&] { nested = undoMove(t.g, t.h); };
    t.click(10, 10);
    EXPECT_EQ(nested, UndoOutcome::Refused);
    EXPECT_EQ(t.g.moves.size(), 3u);
}

// Taking moves back: the position after an undo is the position of the same
// game played without the moves taken back, and undo keeps out of network
// games, finished games and sequences under way.

#include <gtest/gtest.h>

#include <span>

#include "support/matchrig.h"

using namespace zelvan;
using namespace zelvan::test;

namespace {

// A game started as Play starts it; the computer's answers come from the
// same numbers in every copy.
struct Table : MatchRig {
    Table(bool blueFirst, bool againstComputer)
        : MatchRig({1, 0, 1, 1, 0, 0, 1, 0, 1, 1, 0, 1, 0, 0, 1, 1, 0, 1, 1, 0}) {
        options.set(Setting::Level, 3);
        startGame(blueFirst, againstComputer);
    }
};

// Blue's cells, far enough from each other that the computer's answers
// (which stay next to the pieces) never take one; too few for Red's five.
constexpr std::pair<int, int> kBlueCells[] = {{4, 4}, {12, 4}, {4, 12}};

}  // namespace

TEST(Undo, AgainstTheComputerTakesBackItsAnswerAndBluesMove) {
    for (bool blueFirst : {true, false}) {
        Table played(blueFirst, true);
        for (auto [c, r] : kBlueCells)
            played.play(c, r);
        ASSERT_TRUE(played.match.running());
        Table shorter(blueFirst, true);
        for (auto [c, r] : std::span(kBlueCells).first(2))
            shorter.play(c, r);

        const int grids = played.board.grids;
        played.forget();
        EXPECT_EQ(played.match.undo(), UndoOutcome::Undone);
        EXPECT_EQ(played.match.position(), shorter.match.position()) << "Blue first: " << blueFirst;
        EXPECT_TRUE(played.match.blueToMove());
        EXPECT_EQ(played.console.turnShown, true);
        // The board drawn afresh with the kept pieces and their last frames.
        EXPECT_EQ(played.board.grids, grids + 1);
        EXPECT_EQ(played.board.pieces, shorter.board.pieces);
        EXPECT_EQ(played.board.blueFrame, shorter.board.blueFrame);
        EXPECT_EQ(played.board.redFrame, shorter.board.redFrame);
        // Silently: no sound, pause, message or save.
        EXPECT_TRUE(played.speaker.played.empty());
        EXPECT_TRUE(played.timers.asked.empty());
        EXPECT_EQ(played.settings.saves, 0);
    }
}

TEST(Undo, AComputerOpeningAloneStays) {
    Table t(false, true);
    const Position before = t.match.position();
    EXPECT_EQ(t.match.undo(), UndoOutcome::Refused);
    EXPECT_EQ(t.match.position(), before);
}

TEST(Undo, BetweenTwoPeopleTakesBackOnePieceAtATime) {
    Table played(true, false);
    for (auto [c, r] : {std::pair{8, 8}, {9, 9}, {8, 9}, {9, 10}})
        played.play(c, r);
    Table shorter(true, false);
    for (auto [c, r] : {std::pair{8, 8}, {9, 9}, {8, 9}})
        shorter.play(c, r);

    EXPECT_EQ(played.match.undo(), UndoOutcome::Undone);
    EXPECT_EQ(played.match.position(), shorter.match.position());
    EXPECT_FALSE(played.match.blueToMove());  // Red places its piece again
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(played.match.undo(), UndoOutcome::Undone);
    EXPECT_EQ(played.match.position().moveCount(), 0);
    EXPECT_TRUE(played.match.blueToMove());  // the opener's turn
    EXPECT_EQ(played.match.undo(), UndoOutcome::Refused);
}

TEST(Undo, AGameWithUndoStillScoresWhenItEnds) {
    Table t(true, false);
    for (auto [c, r] : {std::pair{1, 1}, {1, 2}, {2, 1}, {2, 2}, {3, 1}, {3, 2}, {4, 1}, {4, 2}})
        t.play(c, r);
    ASSERT_EQ(t.match.undo(), UndoOutcome::Undone);
    EXPECT_EQ(t.scores.blue(), 1000);
    t.play(6, 6);  // Red plays elsewhere instead
    t.play(5, 1);  // Blue's five
    EXPECT_EQ(t.match.winner(), kBlue);
    EXPECT_EQ(t.scores.blue(), 1001);
    EXPECT_EQ(t.scores.red(), 999);
}

TEST(Undo, RefusedInANetworkGameAfterTheEndAndDuringASequence) {
    Table t(true, false);
    t.play(8, 8);
    t.play(9, 9);

    t.peer.isConnected = true;
    EXPECT_EQ(t.match.undo(), UndoOutcome::NetworkGame);
    t.peer.isConnected = false;

    // Ctrl+Z pressed while Blue's piece is heard.
    t.click(10, 10);
    EXPECT_EQ(t.match.undo(), UndoOutcome::Refused);
    t.timers.runAll();
    EXPECT_EQ(t.match.position().moveCount(), 3);

    t.match.stop();
    EXPECT_EQ(t.match.undo(), UndoOutcome::Refused);
    EXPECT_EQ(t.match.position().moveCount(), 3);
}

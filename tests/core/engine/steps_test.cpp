// Input that arrives while match control waits in one of its steps is
// judged by that step, as the table in ARCHITECTURE.md says: a click is
// never a second piece, a game is scored once, and a continuation whose game
// has ended or been replaced does nothing.

#include <gtest/gtest.h>

#include "support/matchrig.h"

using namespace zelvan;
using namespace zelvan::test;

namespace {

using Step = MatchControl::Step;
using Strings = std::vector<std::string>;

// ---------------------------------------------------------------------------
// Play's 200 ms

class DuringPlaysPause : public ::testing::Test {
protected:
    MatchRig t;
    int gridsBefore = 0;

    // Play pressed during a game between two people, Blue to move.
    void SetUp() override {
        t.startGame();
        t.lay({{8, 8}}, {{9, 9}});
        gridsBefore = t.board.grids;
        t.match.play();
        ASSERT_EQ(t.match.step(), Step::PlayPause);
    }
    bool newGameStarted() const { return t.match.running() && t.board.grids > gridsBefore; }
};

TEST_F(DuringPlaysPause, AClickIsRefused) {
    t.click(4, 4);
    t.timers.runAll();
    EXPECT_EQ(t.cell(4, 4), kNone);
    EXPECT_TRUE(newGameStarted());
}

TEST_F(DuringPlaysPause, ASecondPlayIsOnlyHeard) {
    t.match.play();
    t.timers.runAll();
    EXPECT_EQ(t.speaker.played, (Strings{"Play", "Play"}));
    EXPECT_EQ(t.board.grids, gridsBefore + 1);  // one new board
    EXPECT_EQ(t.scores.results()[1], kNone);    // the old game lost once
    EXPECT_EQ(t.settings.saves, 1);
}

TEST_F(DuringPlaysPause, StopIsTakenAndPlayStillStartsItsGame) {
    t.peer.isConnected = true;
    t.match.stop();
    EXPECT_FALSE(t.match.running());
    t.timers.runAll();
    EXPECT_TRUE(newGameStarted());
    EXPECT_EQ(t.console.ends, (std::vector<GameEnd>{{EndReason::Stopped, kRed}}));
    ASSERT_EQ(t.peer.sent.size(), 2u);
    EXPECT_EQ(t.peer.sent[0], "STOP");  // the stop goes out before the new game
    EXPECT_EQ(t.peer.sent[1].substr(0, 4), "PLAY");
}

TEST_F(DuringPlaysPause, ExitDropsTheGameToCome) {
    t.match.exit();
    t.timers.runAll();
    EXPECT_EQ(t.board.grids, gridsBefore);
    EXPECT_FALSE(t.match.running());
    EXPECT_EQ(t.console.quits, 1);
    EXPECT_EQ(t.console.ends, (std::vector<GameEnd>{{EndReason::Closed, kRed}}));
}

TEST_F(DuringPlaysPause, ThePeersPlayTakesOver) {
    t.peer.isConnected = true;
    t.peer.isAccepted = true;
    t.match.peerPlay('2', 'C');
    EXPECT_EQ(t.match.step(), Step::PeerPlayPause);
    t.timers.runAll();
    EXPECT_TRUE(newGameStarted());
    EXPECT_EQ(t.board.boardSize, 20);
    EXPECT_EQ(t.board.grids, gridsBefore + 1);
    EXPECT_EQ(t.console.ends, (std::vector<GameEnd>{{EndReason::PeerRestarted, kRed}}));
}

TEST_F(DuringPlaysPause, ALostConnectionIsTakenAndPlayStartsALocalGame) {
    t.peer.isConnected = true;
    t.match.connectionLost(EndReason::PeerLeft);
    t.peer.isConnected = false;
    t.timers.runAll();
    EXPECT_TRUE(newGameStarted());
    EXPECT_TRUE(t.peer.sent.empty());
    EXPECT_EQ(t.scores.results()[1], kNone);  // the game the connection ended, once
}

// ---------------------------------------------------------------------------
// Blue's piece being heard, 150 ms

class DuringBluesPause : public ::testing::Test {
protected:
    MatchRig t;

    // Blue's piece on (5, 9) would make five; the peer plays Red.
    void SetUp() override {
        t.startGame();
        t.lay({{1, 9}, {2, 9}, {3, 9}, {4, 9}}, {{1, 10}, {2, 10}, {3, 10}, {4, 10}});
        t.peer.isConnected = true;
        t.click(5, 9);
        ASSERT_EQ(t.match.step(), Step::BluePause);
    }
    // The piece went nowhere: no MOVE, no scan, no turn change.
    void expectPieceDropped() {
        EXPECT_TRUE(t.peer.sent.empty() || t.peer.sent.back().substr(0, 4) != "MOVE");
        EXPECT_NE(t.match.winner(), kBlue);
        EXPECT_FALSE(std::count(t.speaker.played.begin(), t.speaker.played.end(), "BlueWins"));
    }
};

// A PLAY cuts Blue's sequence short; when the peer has gone by the end of
// its pause, the game that sequence belonged to ends rather than leaving
// Blue to move twice.
TEST_F(DuringBluesPause, APeerWhoRestartsAndLeavesEndsTheCutGame) {
    t.peer.isAccepted = true;
    t.match.peerPlay('1', 'C');
    t.peer.gone = true;
    t.timers.runAll();
    EXPECT_FALSE(t.match.running());
    t.click(6, 6);
    EXPECT_EQ(t.cell(6, 6), kNone);
}

TEST_F(DuringBluesPause, AClickIsNotASecondPiece) {
    t.click(6, 6);
    t.timers.runAll();
    EXPECT_EQ(t.cell(6, 6), kNone);
    EXPECT_EQ(t.match.winner(), kBlue);  // the first one's five counts
}

TEST_F(DuringBluesPause, PlayIsOnlyHeard) {
    t.match.play();
    t.timers.runAll();
    EXPECT_EQ(t.match.winner(), kBlue);
    EXPECT_EQ(t.scores.results()[1], kNone);
    EXPECT_EQ(t.peer.sent, Strings{"MOVE0509"});
}

TEST_F(DuringBluesPause, StopScoresTheGameOnceForBlueStillToMove) {
    t.match.stop();
    t.timers.runAll();
    expectPieceDropped();
    EXPECT_EQ(t.peer.sent, Strings{"STOP"});
    EXPECT_EQ(t.scores.results()[0], kRed);
    EXPECT_EQ(t.scores.results()[1], kNone);
    EXPECT_EQ(t.settings.saves, 1);
    EXPECT_FALSE(t.match.running());
    EXPECT_EQ(t.console.cursor, Cursor::Normal);
}

TEST_F(DuringBluesPause, TheSizeButtonOnlyChoosesTheNextSize) {
    const int grids = t.board.grids;
    t.match.size();
    t.timers.runAll();
    EXPECT_EQ(t.board.grids, grids);
    EXPECT_EQ(t.options.sizeCode(), 2);
    EXPECT_EQ(t.match.winner(), kBlue);
}

TEST_F(DuringBluesPause, ExitDropsThePiecesSequence) {
    t.match.exit();
    t.timers.runAll();
    expectPieceDropped();
    EXPECT_EQ(t.scores.results()[0], kRed);
    EXPECT_EQ(t.scores.results()[1], kNone);
    EXPECT_EQ(t.peer.hangUps, 1);
}

TEST_F(DuringBluesPause, ThePeersStopOrItsLeavingEndsTheGameOnce) {
    for (int how = 0; how < 2; ++how) {
        MatchRig u;
        u.startGame();
        u.peer.isConnected = true;
        u.click(5, 9);
        if (how == 0)
            u.match.peerStop();
        else
            u.match.connectionLost(EndReason::PeerLeft);
        u.timers.runAll();
        EXPECT_TRUE(u.peer.sent.empty()) << how;
        EXPECT_EQ(u.scores.results()[0], kRed) << how;
        EXPECT_EQ(u.scores.results()[1], kNone) << how;
        EXPECT_FALSE(u.match.running()) << how;
    }
}

TEST_F(DuringBluesPause, ThePeersMoveIsRefused) {
    t.match.peerMove(7, 7);
    EXPECT_EQ(t.cell(7, 7), kNone);
}

TEST_F(DuringBluesPause, ThePeersPlayReplacesTheGame) {
    t.match.peerPlay('1', 'S');
    t.timers.runAll();
    expectPieceDropped();
    EXPECT_TRUE(t.match.running());
    EXPECT_EQ(t.match.position().moveCount(), 0);
    EXPECT_EQ(t.console.ends, (std::vector<GameEnd>{{EndReason::PeerRestarted, kRed}}));
}

// ---------------------------------------------------------------------------
// The computer thinking (a player that takes its time)

class WhileTheComputerThinks : public ::testing::Test {
protected:
    MatchRig t;

    void SetUp() override {
        t.computer.useSlow = true;
        t.startGame(true, true);
        t.play(8, 8);
        ASSERT_EQ(t.match.step(), Step::ComputerThinking);
    }
};

TEST_F(WhileTheComputerThinks, ClicksUndoAndTheHintAreRefused) {
    t.click(4, 4);
    EXPECT_EQ(t.cell(4, 4), kNone);
    EXPECT_EQ(t.match.undo(), UndoOutcome::Refused);
    EXPECT_FALSE(t.match.mayHint());
    t.computer.slow.answer({9, 9});
    EXPECT_EQ(t.cell(9, 9), kRed);
}

TEST_F(WhileTheComputerThinks, PlayDropsTheAnswerAndStartsANewGame) {
    t.match.play();
    EXPECT_EQ(t.computer.slow.cancels, 1);
    t.timers.runAll();
    EXPECT_EQ(t.scores.results()[0], kBlue);  // Red was to move
    EXPECT_TRUE(t.match.running());
    if (t.computer.slow.late) t.computer.slow.late({9, 9});
    EXPECT_EQ(t.cell(9, 9), kNone);
}

TEST_F(WhileTheComputerThinks, ExitDropsTheAnswer) {
    t.match.exit();
    EXPECT_EQ(t.computer.slow.cancels, 1);
    t.computer.slow.late({9, 9});
    t.timers.runAll();
    EXPECT_EQ(t.cell(9, 9), kNone);
    EXPECT_EQ(t.console.quits, 1);
}

TEST_F(WhileTheComputerThinks, TheOpponentStaysAndTheSizeWaitsForTheNextBoard) {
    t.match.humanComputer();
    t.match.size();
    EXPECT_FALSE(t.options.redIsHuman());
    EXPECT_EQ(t.match.position().boardSize(), 15);
    t.computer.slow.answer({9, 9});
    EXPECT_EQ(t.cell(9, 9), kRed);
}

// ---------------------------------------------------------------------------
// The peer's PLAY, 300 ms

class DuringThePeersPause : public ::testing::Test {
protected:
    MatchRig t;
    int ready = 0;

    // The accepting side, a game against the peer running, Blue to move;
    // the peer restarts with a 20x20 game it opens.
    void SetUp() override {
        t.peer.isConnected = true;
        t.peer.isAccepted = true;
        t.match.peerPlay('1', 'S');
        t.timers.runAll();
        t.lay({{8, 8}}, {{9, 9}});
        t.match.onPeerInputReady([this] { ++ready; });
        t.match.peerPlay('2', 'C');
        ASSERT_EQ(t.match.step(), Step::PeerPlayPause);
        ASSERT_TRUE(t.match.holdsPeerInput());
    }
};

TEST_F(DuringThePeersPause, ClicksAreRefusedTheBoardIsAboutToBeReplaced) {
    t.click(4, 4);
    t.timers.runAll();
    EXPECT_EQ(t.cell(4, 4), kNone);
    EXPECT_TRUE(t.peer.sent.empty());
    EXPECT_EQ(t.board.boardSize, 20);
    EXPECT_EQ(ready, 1);
    EXPECT_FALSE(t.match.holdsPeerInput());
}

// The peer's game starts on both machines; Stop then ends it on both, and
// both score the same loser.
TEST_F(DuringThePeersPause, StopActsOnceThePeersGameStands) {
    t.match.stop();
    EXPECT_EQ(t.speaker.played, Strings{"Click"});
    EXPECT_TRUE(t.peer.sent.empty());
    t.timers.runAll();
    EXPECT_EQ(t.peer.sent, Strings{"STOP"});
    EXPECT_FALSE(t.match.running());
    EXPECT_EQ(t.console.ends, (std::vector<GameEnd>{{EndReason::PeerRestarted, kRed},
                                                    {EndReason::Stopped, kBlue}}));
    EXPECT_EQ(t.speaker.played, Strings{"Click"});  // heard once
}

TEST_F(DuringThePeersPause, TheSizeButtonCannotChangeThePeersSize) {
    t.match.size();
    t.timers.runAll();
    EXPECT_EQ(t.board.boardSize, 20);
    EXPECT_EQ(t.options.sizeCode(), 2);
}

TEST_F(DuringThePeersPause, PlayAndTheOpponentButtonAreRefused) {
    t.match.play();
    t.match.humanComputer();
    t.timers.runAll();
    EXPECT_TRUE(t.options.redIsHuman());
    EXPECT_EQ(t.board.boardSize, 20);
    EXPECT_EQ(t.scores.results()[1], kNone);
}

TEST_F(DuringThePeersPause, APeerGoneByTheEndStartsNothing) {
    t.peer.gone = true;  // seen by the socket layer, not yet reported
    t.timers.runAll();
    EXPECT_EQ(t.board.boardSize, 15);
    EXPECT_TRUE(t.match.running());  // the old game waits for the report
    EXPECT_EQ(ready, 1);
    t.match.connectionLost(EndReason::PeerLeft);
    EXPECT_FALSE(t.match.running());
    EXPECT_EQ(t.scores.results()[1], kNone);
}

TEST_F(DuringThePeersPause, ExitDropsThePeersGame) {
    t.match.exit();
    t.timers.runAll();
    EXPECT_EQ(t.board.boardSize, 15);
    EXPECT_EQ(t.console.quits, 1);
    EXPECT_EQ(ready, 1);
}

// ---------------------------------------------------------------------------
// The exit's farewell

TEST(DuringTheExit, NothingMoreHappensButTheConnectionsEnd) {
    MatchRig t;
    t.startGame();
    t.peer.isConnected = true;
    t.match.exit();
    ASSERT_EQ(t.match.step(), Step::Exiting);
    const int grids = t.board.grids;
    t.click(4, 4);
    t.match.play();
    t.match.stop();
    t.match.size();
    t.match.humanComputer();
    t.match.exit();
    t.match.peerPlay('2', 'C');
    t.match.peerMove(5, 5);
    t.match.peerStop();
    t.timers.runAll();
    EXPECT_EQ(t.match.position().moveCount(), 0);
    EXPECT_EQ(t.board.grids, grids);
    EXPECT_EQ(t.options.sizeCode(), 1);
    EXPECT_TRUE(t.options.redIsHuman());
    EXPECT_EQ(t.scores.results()[1], kNone);  // the game lost once, by the exit
    EXPECT_EQ(std::count(t.speaker.played.begin(), t.speaker.played.end(), "Exit"), 1);
    EXPECT_EQ(t.peer.sent, Strings{});  // no STOP: the peer learns from the hang-up
    EXPECT_EQ(t.peer.hangUps, 1);
    EXPECT_EQ(t.console.quits, 1);
    EXPECT_EQ(t.settings.saves, 2);  // the abandoned game, then the exit's own save
}

}  // namespace

// ---------------------------------------------------------------------------
// Review: a game's moves shown one position at a time, nothing running

namespace {

PlayedMove blue(int c, int r) {
    return {std::uint8_t(c), std::uint8_t(r), PieceSource::BlueClick};
}
PlayedMove red(int c, int r) {
    return {std::uint8_t(c), std::uint8_t(r), PieceSource::RedClick};
}

// Blue builds four down column 8 while Red wanders on the left edge; Blue
// to move after all eight.
const std::vector<PlayedMove> kFourInAColumn{blue(8, 8),  red(1, 1), blue(8, 9),  red(1, 3),
                                             blue(8, 10), red(1, 5), blue(8, 11), red(1, 7)};

}  // namespace

class InReview : public ::testing::Test {
protected:
    MatchRig t;
    Scores scoresBefore;

    void SetUp() override {
        t.startGame();
        t.match.stop();  // a game ended: its result is in, its line may blink
        ASSERT_TRUE(t.match.review(15, kFourInAColumn, true, kFourInAColumn.size()));
        ASSERT_TRUE(t.match.showReviewed(3));
        scoresBefore = t.scores;
        t.forget();
    }
    void expectNothingStored() const {
        EXPECT_EQ(t.scores, scoresBefore);
        EXPECT_EQ(t.settings.saves, 0);
        EXPECT_TRUE(t.console.ends.empty());
    }
};

TEST_F(InReview, ShowsTheFirstMovesAsTheReplayDrawsThem) {
    EXPECT_EQ(t.match.step(), Step::Reviewing);
    EXPECT_FALSE(t.match.running());
    EXPECT_EQ(t.match.position().moveCount(), 3);
    EXPECT_EQ(t.cell(8, 9), kBlue);
    EXPECT_EQ(t.cell(1, 3), kNone);
    EXPECT_EQ(t.console.turnShown, false);  // Red's move next
    // Stepping to either end and past it, without a sound or a pause.
    for (auto [shown, expected] : {std::pair{0u, 0}, {8u, 8}, {20u, 8}, {5u, 5}}) {
        t.match.showReviewed(shown);
        EXPECT_EQ(t.match.position().moveCount(), expected);
        EXPECT_EQ(t.match.reviewShown(), std::size_t(expected));
    }
    EXPECT_TRUE(t.speaker.played.empty());
    EXPECT_TRUE(t.timers.asked.empty());
    t.match.blinkTick();  // the ended game's line stays away
    expectNothingStored();
}

TEST_F(InReview, ClicksMovesUndoAndTheHintAreRefused) {
    t.click(4, 4);
    t.peer.isConnected = true;
    t.match.peerMove(5, 5);
    t.peer.isConnected = false;
    EXPECT_EQ(t.match.undo(), UndoOutcome::Refused);
    EXPECT_FALSE(t.match.mayHint());
    EXPECT_EQ(t.cell(4, 4), kNone);
    EXPECT_EQ(t.cell(5, 5), kNone);
    EXPECT_EQ(t.match.position().moveCount(), 3);
    EXPECT_EQ(t.match.step(), Step::Reviewing);
    expectNothingStored();
}

TEST_F(InReview, StopTheOpponentAndThePeersStopActAsWithNoGame) {
    t.match.stop();
    t.match.humanComputer();
    t.peer.isConnected = true;
    t.match.peerStop();
    t.match.connectionLost(EndReason::PeerLeft);
    EXPECT_EQ(t.match.step(), Step::Reviewing);
    EXPECT_EQ(t.match.position().moveCount(), 3);
    EXPECT_FALSE(t.options.redIsHuman());
    expectNothingStored();
}

TEST_F(InReview, TheSizeButtonLeavesItForAnEmptyBoard) {
    t.match.size();
    EXPECT_EQ(t.match.step(), Step::Ready);
    EXPECT_EQ(t.match.position().boardSize(), 20);
    EXPECT_EQ(t.match.position().moveCount(), 0);
    EXPECT_FALSE(t.match.showReviewed(2));
}

TEST_F(InReview, PlayOrThePeersPlayLeavesItForANewGame) {
    t.match.play();
    t.timers.runAll();
    EXPECT_TRUE(t.match.running());
    EXPECT_EQ(t.match.position().moveCount(), 0);
    EXPECT_TRUE(t.console.ends.empty());  // nothing ran to be lost

    MatchRig peer;
    peer.match.review(15, kFourInAColumn, true, 2);
    peer.peer.isConnected = true;
    peer.peer.isAccepted = true;
    peer.match.peerPlay('1', 'C');
    peer.timers.runAll();
    EXPECT_TRUE(peer.match.running());
    EXPECT_EQ(peer.match.position().moveCount(), 0);
}

TEST_F(InReview, ExitEndsTheProgramWithNoGameLost) {
    t.match.exit();
    t.timers.runAll();
    EXPECT_EQ(t.console.quits, 1);
    EXPECT_TRUE(t.console.ends.empty());
    EXPECT_EQ(t.scores, scoresBefore);
}

TEST(EnteringReview, RefusedWhileAGameRunsOrForABoardNotPlayed) {
    MatchRig t;
    EXPECT_FALSE(t.match.review(16, kFourInAColumn, true, 2));
    t.startGame();
    t.play(8, 8);
    EXPECT_FALSE(t.match.review(15, kFourInAColumn, true, 2));
    EXPECT_EQ(t.match.step(), Step::Ready);
    EXPECT_EQ(t.match.position().moveCount(), 1);
}

// P: the position shown becomes a game against the computer, never scored.
TEST_F(InReview, ContinuingGivesTheComputerRedsMoveFirst) {
    t.options.set(Setting::RedIsHuman, 1);
    t.match.showReviewed(7);
    const int clockStarts = t.console.clockStarts;
    EXPECT_EQ(t.match.continueFromReview(), MatchControl::ContinueOutcome::Continued);
    EXPECT_TRUE(t.match.running());
    EXPECT_FALSE(t.match.scored());
    EXPECT_FALSE(t.options.redIsHuman());
    EXPECT_EQ(t.console.opponentShown, false);
    EXPECT_EQ(t.console.clockStarts, clockStarts + 1);
    // The computer blocks the four at once, and the turn is Blue's.
    ASSERT_EQ(t.console.placed.size(), 1u);
    EXPECT_EQ(t.console.placed[0].source, PieceSource::Computer);
    EXPECT_EQ(t.match.position().moveCount(), 8);
    EXPECT_TRUE(t.match.blueToMove());
}

// Undo in a game played on from a review stops at the position it began from.
TEST_F(InReview, UndoInAContinuedGameKeepsTheReviewedMoves) {
    t.match.showReviewed(4);  // two pieces each: Blue to move
    ASSERT_EQ(t.match.continueFromReview(), MatchControl::ContinueOutcome::Continued);
    const Position continued = t.match.position();
    EXPECT_EQ(t.match.undo(), UndoOutcome::Refused);
    t.play(4, 12);
    ASSERT_EQ(t.match.position().moveCount(), 6);  // Blue's piece and the computer's answer
    EXPECT_EQ(t.match.undo(), UndoOutcome::Undone);
    EXPECT_EQ(t.match.position(), continued);
    EXPECT_EQ(t.match.undo(), UndoOutcome::Refused);
    EXPECT_EQ(t.match.position(), continued);
}

TEST_F(InReview, AContinuedGameChangesNoScoreWhetherWonOrStopped) {
    const Results resultsBefore = t.scores.results();
    t.match.showReviewed(8);
    ASSERT_EQ(t.match.continueFromReview(), MatchControl::ContinueOutcome::Continued);
    t.play(8, 12);
    ASSERT_EQ(t.console.ends, (std::vector<GameEnd>{{EndReason::Five, kBlue, false}}));
    EXPECT_EQ(t.scores, scoresBefore);
    EXPECT_EQ(t.scores.results(), resultsBefore);
    EXPECT_EQ(t.settings.saves, 0);

    MatchRig stopped;
    stopped.match.review(15, kFourInAColumn, true, 8);
    stopped.match.continueFromReview();
    stopped.forget();
    const Scores before = stopped.scores;
    stopped.match.stop();
    EXPECT_EQ(stopped.console.ends, (std::vector<GameEnd>{{EndReason::Stopped, kRed, false}}));
    EXPECT_EQ(stopped.scores, before);
    EXPECT_EQ(stopped.settings.saves, 0);
    // The next game counts again.
    stopped.startGame();
    stopped.match.stop();
    EXPECT_TRUE(stopped.console.ends.back().scored);
    EXPECT_EQ(stopped.settings.saves, 1);
}

TEST_F(InReview, ContinuingIsRefusedInANetworkGameOrFromADecidedPosition) {
    t.peer.isConnected = true;
    EXPECT_EQ(t.match.continueFromReview(), MatchControl::ContinueOutcome::NetworkGame);
    t.peer.isConnected = false;
    std::vector<PlayedMove> five = kFourInAColumn;
    five.push_back(blue(8, 12));
    ASSERT_TRUE(t.match.review(15, five, true, five.size()));
    EXPECT_EQ(t.match.continueFromReview(), MatchControl::ContinueOutcome::Decided);
    EXPECT_EQ(t.match.step(), Step::Reviewing);
    EXPECT_FALSE(t.match.running());
    t.match.play();
    t.timers.runAll();
    EXPECT_EQ(t.match.continueFromReview(), MatchControl::ContinueOutcome::Refused);
}

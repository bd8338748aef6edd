// Match control's sequences as the player and the peer see them: the
// buttons, the board click, placement, the computer's turn, the new board,
// start-up and exit. Each test checks what came out (the board, the scores,
// the sounds and pauses, the messages sent, the step reached).

#include <gtest/gtest.h>

#include "core/ai/movechoice.h"
#include "support/matchrig.h"

using namespace zelvan;
using namespace zelvan::test;

namespace {

using Step = MatchControl::Step;
using Strings = std::vector<std::string>;
using Pauses = std::vector<unsigned>;

TEST(StartUp, DrawsTheOpenerShowsItAndMakesTheFirstBoard) {
    for (std::uint32_t draw : {0u, 1u}) {
        MatchRig t({draw});
        // The first board flips the opener drawn: still even odds. The lamp
        // shows the one drawn until a game starts.
        EXPECT_EQ(t.match.blueOpens(), draw != 0);
        EXPECT_EQ(t.match.blueToMove(), t.match.blueOpens());
        EXPECT_EQ(t.console.turnShown, draw == 0);
        EXPECT_EQ(t.console.opponentShown, false);
        EXPECT_EQ(t.board.grids, 1);
        EXPECT_EQ(t.board.boardSize, 15);
        EXPECT_FALSE(t.match.running());
        EXPECT_EQ(t.match.step(), Step::Ready);
    }
}

TEST(NewBoard, TakesTheSizeFlipsTheOpenerAndForgetsTheOldBoard) {
    MatchRig t;
    t.startGame();
    t.lay({{8, 8}}, {{9, 9}});
    t.match.stop();
    t.console.cursor = Cursor::Wait;
    const bool opener = t.match.blueOpens();
    const int hidden = t.console.panelsHidden;
    t.match.size();  // idle: 20x20 at once
    EXPECT_EQ(t.board.boardSize, 20);
    EXPECT_EQ(t.match.position().boardSize(), 20);
    EXPECT_EQ(t.match.position().moveCount(), 0);
    EXPECT_TRUE(t.board.pieces.empty());
    EXPECT_FALSE(t.board.blueFrame || t.board.redFrame);
    EXPECT_NE(t.match.blueOpens(), opener);
    EXPECT_EQ(t.match.blueToMove(), t.match.blueOpens());
    EXPECT_EQ(t.console.panelsHidden, hidden + 1);
    EXPECT_EQ(t.console.cursor, Cursor::Normal);
    EXPECT_FALSE(t.match.running());
}

TEST(NewBoard, DrawsTheComputersAttackStyleOneTimeInThree) {
    for (std::uint32_t draw : {0u, 1u, 2u, 3u, 4u}) {
        MatchRig t;
        t.random.values = {draw};
        t.match.size();
        EXPECT_EQ(t.match.plainAttack(), draw % 3 == 0) << draw;
    }
}

TEST(Play, FromIdleStartsAGameAfterItsSoundsPause) {
    MatchRig t;
    t.options.set(Setting::PieceStyle, 0);
    t.options.set(Setting::RedIsHuman, 1);
    const bool opener = t.match.blueOpens();
    t.match.play();
    EXPECT_EQ(t.speaker.played, Strings{"Play"});
    EXPECT_EQ(t.match.step(), Step::PlayPause);
    EXPECT_FALSE(t.match.running());
    t.timers.advance(199);
    EXPECT_FALSE(t.match.running());
    t.timers.advance(1);
    EXPECT_EQ(t.timers.asked, Pauses{200});
    EXPECT_TRUE(t.match.running());
    EXPECT_EQ(t.match.step(), Step::Ready);
    EXPECT_EQ(t.match.winner(), kNone);
    EXPECT_EQ(t.match.pieceStyle(), 0);
    EXPECT_EQ(t.board.pieceStyle, 0);
    EXPECT_NE(t.match.blueOpens(), opener);
    EXPECT_EQ(t.console.turnShown, t.match.blueOpens());
    EXPECT_EQ(t.console.clockStarts, 1);
    EXPECT_EQ(t.board.grids, 2);
    EXPECT_EQ(t.settings.saves, 0);
}

TEST(Play, WithSoundOffStartsAtOnce) {
    MatchRig t;
    t.options.set(Setting::SoundOff, 1);
    t.options.set(Setting::RedIsHuman, 1);
    t.match.play();
    EXPECT_TRUE(t.match.running());
    EXPECT_TRUE(t.speaker.played.empty());
    EXPECT_TRUE(t.timers.asked.empty());
}

TEST(Play, DuringAGameLosesItForTheSideToMoveAndFlipsTheOpener) {
    MatchRig t;
    t.startGame();
    t.play(8, 8);  // Blue
    t.play(9, 9);  // Red
    const bool opener = t.match.blueOpens();
    t.match.play();
    t.timers.runAll();
    EXPECT_EQ(t.scores.results()[0], kRed);
    EXPECT_EQ(t.scores.results()[1], kNone);
    EXPECT_EQ(t.scores.red(), 1001);
    EXPECT_EQ(t.scores.blue(), 999);
    EXPECT_EQ(t.settings.saves, 1);
    EXPECT_EQ(t.console.ends, (std::vector<GameEnd>{{EndReason::Restarted, kRed}}));
    EXPECT_TRUE(t.match.running());
    EXPECT_NE(t.match.blueOpens(), opener);
    EXPECT_EQ(t.cell(8, 8), kNone);
    EXPECT_TRUE(t.board.pieces.empty());
}

TEST(Play, ConsecutiveGamesAlternateTheOpener) {
    MatchRig t;
    t.options.set(Setting::RedIsHuman, 1);
    std::vector<bool> openers;
    for (int i = 0; i < 4; ++i) {
        t.match.play();
        t.timers.runAll();
        openers.push_back(t.match.blueToMove());
    }
    EXPECT_NE(openers[0], openers[1]);
    EXPECT_EQ(openers[0], openers[2]);
    EXPECT_EQ(openers[1], openers[3]);
}

TEST(Play, OnTheAcceptingSideOnlySoundsAndPauses) {
    MatchRig t;
    t.startGame();
    t.peer.isConnected = true;
    t.peer.isAccepted = true;
    const int grids = t.board.grids;
    t.match.play();
    t.timers.runAll();
    EXPECT_EQ(t.speaker.played, Strings{"Play"});
    EXPECT_EQ(t.timers.asked, Pauses{200});
    EXPECT_TRUE(t.match.running());
    EXPECT_EQ(t.board.grids, grids);
    EXPECT_EQ(t.scores, Scores{});
    EXPECT_TRUE(t.peer.sent.empty());
}

TEST(Play, OnTheCallingSideSendsSizeAndOpenerAndWaitsWhileThePeerOpens) {
    MatchRig t;
    t.options.set(Setting::SoundOff, 1);
    t.options.set(Setting::SizeCode, 2);
    t.peer.isConnected = true;
    if (t.match.blueOpens()) t.match.size(), t.match.size(), t.match.size();
    t.match.play();  // Blue opens after the flip
    EXPECT_TRUE(t.options.redIsHuman());
    EXPECT_EQ(t.console.opponentShown, true);
    EXPECT_EQ(t.peer.sent, Strings{"PLAY2C"});
    EXPECT_EQ(t.console.cursor, Cursor::Normal);

    t.match.play();  // now the peer opens: this side waits for its move
    EXPECT_EQ(t.peer.sent, (Strings{"PLAY2C", "PLAY2S"}));
    EXPECT_EQ(t.console.cursor, Cursor::Wait);
    EXPECT_TRUE(t.match.running());
    EXPECT_EQ(t.scores.results()[0], kRed);  // Blue had the first move and lost the game
}

TEST(Stop, AbandonsARunningGameAndSendsStopEvenWhenIdle) {
    MatchRig t;
    t.startGame();
    t.peer.isConnected = true;
    t.match.stop();
    EXPECT_EQ(t.speaker.played, Strings{"Click"});
    EXPECT_EQ(t.scores.results()[0], kRed);
    EXPECT_EQ(t.peer.sent, Strings{"STOP"});
    EXPECT_FALSE(t.match.running());
    EXPECT_EQ(t.match.winner(), kNone);
    EXPECT_EQ(t.console.cursor, Cursor::Normal);

    t.match.stop();  // no game: no result, STOP still sent
    EXPECT_EQ(t.peer.sent, (Strings{"STOP", "STOP"}));
    EXPECT_EQ(t.scores.results()[1], kNone);
    EXPECT_EQ(t.settings.saves, 1);
}

TEST(Size, CyclesAndMakesANewBoardOnlyWhileIdle) {
    MatchRig t;
    const bool opener = t.match.blueOpens();
    for (int n : {20, 30, 15}) {
        t.match.size();
        EXPECT_EQ(t.board.boardSize, n);
    }
    EXPECT_EQ(t.options.sizeCode(), 1);
    EXPECT_EQ(t.speaker.played, (Strings{"Click", "Click", "Click"}));
    EXPECT_NE(t.match.blueOpens(), opener);  // flipped three times

    t.startGame();
    const int grids = t.board.grids;
    t.match.size();  // during a game: silent, the board stays
    EXPECT_TRUE(t.speaker.played.empty());
    EXPECT_EQ(t.options.sizeCode(), 2);
    EXPECT_EQ(t.board.grids, grids);
    EXPECT_EQ(t.match.position().boardSize(), 15);
    EXPECT_TRUE(t.match.running());
    t.match.play();
    t.timers.runAll();
    EXPECT_EQ(t.match.position().boardSize(), 20);
}

TEST(HumanComputer, OnlyBetweenGames) {
    MatchRig t;
    t.match.humanComputer();
    EXPECT_TRUE(t.options.redIsHuman());
    EXPECT_EQ(t.console.opponentShown, true);
    t.startGame();
    t.match.humanComputer();
    EXPECT_EQ(t.speaker.played, Strings{"Click"});
    EXPECT_TRUE(t.options.redIsHuman());
}

TEST(BoardClick, MapsPixelsToCellsOnEachSize) {
    struct Hit {
        int sizeCode, x, y, col, row;  // col 0: no cell
    };
    const Hit hits[] = {{1, 37, 0, 1, 1},    {1, 38, 37, 2, 1},   {1, 555, 555, 15, 15},
                        {1, 556, 10, 0, 0},  {2, 28, 29, 1, 2},   {2, 560, 560, 20, 20},
                        {2, 561, 5, 0, 0},   {3, 19, 20, 1, 2},   {3, 570, 570, 30, 30},
                        {3, 571, 571, 0, 0}, {3, 10, 1000, 0, 0}, {1, -1, 5, 0, 0}};
    for (const Hit& hit : hits) {
        MatchRig t;
        t.startGame(true, false, hit.sizeCode);
        t.match.boardClick(MouseButton::Left, hit.x, hit.y);
        t.timers.runAll();
        if (hit.col == 0) {
            EXPECT_EQ(t.match.position().moveCount(), 0) << hit.x << "," << hit.y;
        } else {
            EXPECT_EQ(t.cell(hit.col, hit.row), kBlue) << hit.x << "," << hit.y;
        }
    }
}

TEST(BoardClick, ClicksThatPlaceNothing) {
    MatchRig t;
    t.startGame();
    t.click(4, 4, MouseButton::Right);
    t.click(4, 4, MouseButton::Middle);
    EXPECT_EQ(t.match.position().moveCount(), 0);
    t.play(4, 4);
    t.play(4, 4);  // occupied, for Red
    EXPECT_EQ(t.match.position().moveCount(), 1);
    EXPECT_FALSE(t.match.blueToMove());

    t.peer.isConnected = true;  // Red's pieces come from the peer
    t.play(5, 5);
    t.peer.isConnected = false;
    EXPECT_EQ(t.match.position().moveCount(), 1);
    t.play(5, 5);
    EXPECT_EQ(t.cell(5, 5), kRed);

    t.match.stop();
    t.play(6, 6);  // no game
    EXPECT_EQ(t.cell(6, 6), kNone);
}

// Blue's piece: stored, zone, drawn, framed and heard at once; the move goes
// out, the scan runs and the turn passes once the sound's 150 ms are over.
TEST(Placement, BluesPieceIsHeardBeforeItGoesOutAndIsScanned) {
    MatchRig t;
    t.startGame();
    t.peer.isConnected = true;
    t.click(12, 4);
    EXPECT_EQ(t.cell(12, 4), kBlue);
    EXPECT_EQ(t.match.position().moveCount(), 1);
    EXPECT_TRUE(t.match.position().inZone(8, 8));
    EXPECT_TRUE(t.board.show(Side::Blue, {{12, 4}}, false));
    EXPECT_EQ(t.board.blueFrame, (std::pair{12, 4}));
    EXPECT_EQ(t.speaker.played, Strings{"BluePiece"});
    EXPECT_EQ(t.match.step(), Step::BluePause);
    EXPECT_TRUE(t.peer.sent.empty());
    EXPECT_TRUE(t.match.blueToMove());

    t.timers.advance(150);
    EXPECT_EQ(t.timers.asked, Pauses{150});
    EXPECT_EQ(t.peer.sent, Strings{"MOVE1204"});
    EXPECT_EQ(t.console.cursor, Cursor::Wait);
    EXPECT_FALSE(t.match.blueToMove());
    EXPECT_EQ(t.console.turnShown, false);
    EXPECT_EQ(t.match.step(), Step::Ready);
}

TEST(Placement, WithoutSoundConnectionOrFrameBluesPieceIsScannedAtOnce) {
    MatchRig t;
    t.startGame();
    t.options.set(Setting::SoundOff, 1);
    t.options.set(Setting::MarkBlueMove, 0);
    t.click(3, 9);
    EXPECT_FALSE(t.match.blueToMove());
    EXPECT_FALSE(t.board.blueFrame);
    EXPECT_TRUE(t.timers.asked.empty());
    EXPECT_TRUE(t.speaker.played.empty());
}

TEST(Placement, TheSecondPersonsPieceHasNoZoneNoPauseAndNoMessage) {
    MatchRig t;
    t.startGame(false);
    t.click(6, 7);
    EXPECT_EQ(t.cell(6, 7), kRed);
    EXPECT_FALSE(t.match.position().inZone(6, 7));
    EXPECT_EQ(t.speaker.played, Strings{"RedPiece"});
    EXPECT_TRUE(t.timers.asked.empty());
    EXPECT_TRUE(t.match.blueToMove());
    EXPECT_EQ(t.board.redFrame, (std::pair{6, 7}));
}

TEST(Placement, TheSecondPersonsFiveEndsTheGameLikeTheComputers) {
    MatchRig t;
    t.startGame(false);
    t.lay({{1, 1}, {2, 2}, {3, 3}, {4, 4}}, {{9, 2}, {9, 3}, {9, 4}, {9, 5}});
    t.play(12, 12);  // Blue
    t.forget();
    t.play(9, 6);
    EXPECT_EQ(t.match.winner(), kRed);
    EXPECT_EQ(t.match.redLine(), (LineEnds{9, 2, 9, 6}));
    EXPECT_FALSE(t.match.running());
    EXPECT_EQ(t.speaker.played, (Strings{"RedPiece", "RedWins"}));
    EXPECT_EQ(t.settings.saves, 1);
    EXPECT_EQ(t.scores.results()[0], kRed);
    EXPECT_TRUE(t.match.blueToMove());
}

TEST(Computer, OpensInTheMiddleOfEverySize) {
    for (auto [code, centre] : {std::pair{1, 8}, std::pair{2, 11}, std::pair{3, 16}}) {
        MatchRig t;
        t.startGame(false, true, code);
        EXPECT_EQ(t.cell(centre, centre), kRed) << code;
        EXPECT_EQ(t.match.position().moveCount(), 1);
        EXPECT_TRUE(t.match.blueToMove());
        EXPECT_TRUE(t.match.position().inZone(centre - 4, centre - 4));
    }
}

TEST(Computer, AnswersBluesClickOnceItIsHeard) {
    MatchRig t;
    t.startGame(true, true);
    t.click(8, 8);
    EXPECT_EQ(t.match.position().moveCount(), 1);
    t.timers.advance(150);
    EXPECT_EQ(t.cell(7, 7), kRed);  // the first reply: the first neighbour in fixed order
    EXPECT_EQ(t.speaker.played, (Strings{"BluePiece", "RedPiece"}));
    EXPECT_TRUE(t.match.blueToMove());
    EXPECT_EQ(t.board.redFrame, (std::pair{7, 7}));
    EXPECT_EQ(t.match.step(), Step::Ready);
    EXPECT_EQ(t.console.cursor, Cursor::Normal);  // it answered at once
}

TEST(Computer, PlaysWhatItsPlayerChoosesWithTheGamesNumbers) {
    // Red's third piece: the plain attack or not as the board drew it, and
    // the scan orders from the game's numbers.
    for (std::uint32_t first : {0u, 1u}) {
        MatchRig t;
        t.options.set(Setting::Level, 3);
        t.startGame(true, true);
        t.play(8, 8);
        t.play(10, 3);
        const Position before = t.match.position();
        t.random.values = {first, 0, 1, 0};
        t.click(3, 12);
        Position expectedBoard = before;
        expectedBoard.play({3, 12, PieceSource::BlueClick});
        FixedScanDraw draw({first == 0, true}, {false, true});
        const Cell expected = chooseMove(expectedBoard, {6, 5, t.match.plainAttack()}, draw);
        t.timers.runAll();
        EXPECT_EQ(t.cell(expected.col, expected.row), kRed) << first;
    }
}

TEST(Computer, ItsFiveEndsTheGameAndTheTurnStillPasses) {
    MatchRig t;
    t.startGame(true, true);
    t.lay({{4, 8}, {6, 9}, {7, 10}, {8, 11}, {2, 2}}, {{5, 8}, {6, 8}, {7, 8}, {8, 8}},
          PieceSource::Computer);
    t.play(14, 14);
    EXPECT_EQ(t.cell(9, 8), kRed);
    EXPECT_EQ(t.match.winner(), kRed);
    EXPECT_FALSE(t.match.running());
    EXPECT_TRUE(t.match.blueToMove());
    EXPECT_EQ(t.speaker.played.back(), "RedWins");
}

// The computer's move is a request with a completion: a player that takes
// its time leaves match control thinking, with the hourglass, until it
// answers; an answer for a game that has gone is dropped.
TEST(Computer, ThinkingTakesTheAnswerWhenItComes) {
    MatchRig t;
    t.computer.useSlow = true;
    t.startGame(true, true);
    t.play(8, 8);
    ASSERT_TRUE(t.computer.slow.thinking());
    EXPECT_EQ(t.match.step(), Step::ComputerThinking);
    EXPECT_EQ(t.console.cursor, Cursor::Wait);
    EXPECT_EQ(t.computer.slow.asked->moveNumber, 2);
    EXPECT_EQ(t.computer.slow.asked->position.cell(8, 8), kBlue);
    EXPECT_EQ(t.computer.slow.asked->level, t.options.level());
    t.computer.slow.answer({9, 9});
    EXPECT_EQ(t.cell(9, 9), kRed);
    EXPECT_EQ(t.console.cursor, Cursor::Normal);
    EXPECT_TRUE(t.match.blueToMove());
    EXPECT_EQ(t.match.step(), Step::Ready);
}

TEST(Computer, AnAnswerForAStoppedGameIsDropped) {
    MatchRig t;
    t.computer.useSlow = true;
    t.startGame(true, true);
    t.play(8, 8);
    t.match.stop();  // Red to move: Red loses
    EXPECT_EQ(t.computer.slow.cancels, 1);
    EXPECT_EQ(t.scores.results()[0], kBlue);
    EXPECT_EQ(t.console.cursor, Cursor::Normal);
    ASSERT_TRUE(t.computer.slow.late);
    t.computer.slow.late({9, 9});  // on its way already
    EXPECT_EQ(t.cell(9, 9), kNone);
    EXPECT_EQ(t.match.position().moveCount(), 1);
}

TEST(Computer, NoCellToPlayPlacesNothingAndGivesTheTurnBack) {
    MatchRig t;
    t.computer.useSlow = true;
    t.startGame(true, true);
    t.play(8, 8);
    t.computer.slow.answer({});
    EXPECT_EQ(t.match.position().moveCount(), 1);
    EXPECT_TRUE(t.match.blueToMove());
    EXPECT_EQ(t.console.turnShown, true);
    EXPECT_TRUE(t.match.running());
}

TEST(Exit, WhenIdleSoundsSavesWaitsAndQuits) {
    MatchRig t;
    t.match.exit();
    EXPECT_EQ(t.speaker.played, Strings{"Exit"});
    EXPECT_EQ(t.settings.saves, 1);  // written even when nothing changed
    EXPECT_EQ(t.console.quits, 0);
    t.timers.advance(599);
    EXPECT_EQ(t.console.quits, 0);
    t.timers.advance(1);
    EXPECT_EQ(t.console.quits, 1);
    EXPECT_EQ(t.timers.asked, Pauses{600});
}

TEST(Exit, DuringAConnectedGameAbandonsItThenHangsUp) {
    MatchRig t;
    t.startGame(false);
    t.peer.isConnected = true;
    t.options.set(Setting::SoundOff, 1);
    t.match.exit();
    EXPECT_EQ(t.scores.results()[0], kBlue);  // Red was to move
    EXPECT_EQ(t.settings.saves, 1);
    EXPECT_EQ(t.console.ends, (std::vector<GameEnd>{{EndReason::Closed, kBlue}}));
    EXPECT_EQ(t.peer.hangUps, 0);
    t.timers.advance(1000);
    EXPECT_EQ(t.peer.hangUps, 1);
    EXPECT_EQ(t.settings.saves, 1);
    t.timers.advance(300);
    EXPECT_EQ(t.settings.saves, 2);
    t.timers.advance(600);
    EXPECT_EQ(t.console.quits, 1);
    EXPECT_EQ(t.timers.asked, (Pauses{1000, 300, 600}));
    EXPECT_TRUE(t.speaker.played.empty());
    EXPECT_EQ(t.scores.results()[1], kNone);
}

}  // namespace

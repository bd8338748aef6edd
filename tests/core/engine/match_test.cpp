// The game buttons, the board click and the exit sequence.

#include "enginetest.h"

using namespace zelvan;
using namespace zelvan::test;

namespace {

using Calls = std::vector<std::string>;

class Match : public EngineTest {
protected:
    void SetUp() override {
        g.redIsHuman = 1;  // two people at this machine unless a test says otherwise
        init(g, h);
        h.clear();
    }
};

TEST_F(Match, PlayFromIdleStartsAGameOnANewBoard) {
    g.pieceStyleChoice = 0;
    g.winner = kRed;
    g.busy = 0;
    g.moveCount = 40;
    const auto opener = g.blueOpens;
    playButton(g, h);
    EXPECT_EQ(h.calls,
              (Calls{"sound Play", "delay 200", "startGameClock", "cursor normal", "hidePanels",
                     "reseed", "blinkOff", "forgetMarks", "drawGrid", "pump", "showTurn", "pump"}));
    EXPECT_EQ(g.gameRunning, 1);
    EXPECT_EQ(g.winner, kNone);
    EXPECT_EQ(g.moveCount, 0);
    EXPECT_EQ(g.pieceStyle, 0);
    EXPECT_NE(g.blueOpens, opener);
    EXPECT_EQ(g.blueToMove, g.blueOpens);
    EXPECT_EQ(h.saves, 0);
}

TEST_F(Match, PlayDuringAGameLosesItForTheSideToMoveAndFlipsTheOpener) {
    playButton(g, h);
    if (!g.blueToMove) click(1, 1);  // let the second person open, so Blue is to move
    ASSERT_EQ(g.blueToMove, 1);
    click(8, 8);  // Blue
    click(9, 9);  // Red
    ASSERT_EQ(g.blueToMove, 1);
    const auto opener = g.blueOpens;
    h.clear();
    playButton(g, h);
    EXPECT_EQ(g.resultHistory[0], kRed);
    EXPECT_EQ(g.resultHistory[1], kNone);
    EXPECT_EQ(g.scoreRed, 1001);
    EXPECT_EQ(g.scoreBlue, 999);
    EXPECT_EQ(h.saves, 1);
    EXPECT_EQ(g.gameRunning, 1);
    EXPECT_NE(g.blueOpens, opener);
    EXPECT_EQ(g.cell(8, 8), kNone);
}

TEST_F(Match, ConsecutiveGamesAlternateTheOpener) {
    std::vector<int> openers;
    for (int i = 0; i < 4; ++i) {
        playButton(g, h);
        openers.push_back(g.blueToMove);
    }
    EXPECT_NE(openers[0], openers[1]);
    EXPECT_EQ(openers[0], openers[2]);
    EXPECT_EQ(openers[1], openers[3]);
}

TEST_F(Match, RefusedPlayStillSoundsAndPauses) {
    playButton(g, h);
    const Game before = g;
    h.clear();
    g.busy = 1;
    playButton(g, h);
    EXPECT_EQ(h.calls, (Calls{"sound Play", "delay 200"}));
    EXPECT_EQ(g.boardSerial, before.boardSerial);

    g.busy = 0;
    g.connected = 1;
    g.acceptedPeer = 1;  // the side that accepted the call does not start games
    h.clear();
    playButton(g, h);
    EXPECT_EQ(h.calls, (Calls{"sound Play", "delay 200"}));
    EXPECT_EQ(g.gameRunning, 1);
    EXPECT_EQ(g.boardSerial, before.boardSerial);
    EXPECT_EQ(g.resultHistory, before.resultHistory);

    g.soundOff = 1;
    h.clear();
    playButton(g, h);
    EXPECT_TRUE(h.calls.empty());
}

TEST_F(Match, PlayOnTheCallingSideSendsSizeAndOpener) {
    g.connected = 1;
    g.redIsHuman = 0;
    g.soundOff = 1;
    g.sizeCode = 2;
    g.blueOpens = 0;  // Blue opens after the flip
    playButton(g, h);
    EXPECT_EQ(g.redIsHuman, 1);
    EXPECT_EQ(h.sent, (std::vector<std::string>{"PLAY2C"}));
    EXPECT_EQ(h.calls.front(), "showOpponentKind");
    EXPECT_EQ(h.cursor, Cursor::Normal);

    h.clear();
    playButton(g, h);  // now the peer opens: wait for its move
    EXPECT_EQ(h.sent, (std::vector<std::string>{"PLAY2S"}));
    const Calls tail(h.calls.end() - 5, h.calls.end());
    EXPECT_EQ(tail, (Calls{"send PLAY2S", "cursor wait", "pump", "showTurn", "pump"}));
    EXPECT_EQ(g.gameRunning, 1);
    EXPECT_EQ(g.resultHistory[0], kRed);  // Blue had the first move and lost the game
}

TEST_F(Match, StopAbandonsARunningGameAndClearsTheFlags) {
    playButton(g, h);
    g.blueToMove = 1;
    g.connected = 1;
    h.clear();
    stopButton(g, h);
    EXPECT_EQ(h.calls, (Calls{"sound Click", "save", "send STOP", "cursor normal"}));
    EXPECT_EQ(g.resultHistory[0], kRed);
    EXPECT_EQ(g.gameRunning, 0);
    EXPECT_EQ(g.winner, kNone);

    h.clear();
    stopButton(g, h);  // no game: no result, STOP still sent
    EXPECT_EQ(h.calls, (Calls{"sound Click", "send STOP", "cursor normal"}));
    EXPECT_EQ(g.resultHistory[1], kNone);
}

TEST_F(Match, StopWhileTheComputerChoosesOnlySounds) {
    playButton(g, h);
    g.busy = 1;
    h.clear();
    stopButton(g, h);
    EXPECT_EQ(h.calls, (Calls{"sound Click"}));
    EXPECT_EQ(g.gameRunning, 1);
    EXPECT_EQ(g.busy, 1);
}

TEST_F(Match, SizeCyclesAndMakesANewBoardOnlyWhileIdle) {
    g.sizeCode = 1;
    init(g, h);
    h.clear();
    const auto opener = g.blueOpens;
    const int sizes[] = {20, 30, 15};
    for (int s : sizes) {
        sizeButton(g, h);
        EXPECT_EQ(g.boardSize, s);
    }
    EXPECT_EQ(g.sizeCode, 1);
    EXPECT_EQ(h.count("sound Click"), 3);
    EXPECT_EQ(h.count("drawGrid"), 3);
    EXPECT_NE(g.blueOpens, opener);  // flipped three times

    g.sizeCode = 9;
    sizeButton(g, h);
    EXPECT_EQ(g.sizeCode, 1);

    playButton(g, h);
    h.clear();
    sizeButton(g, h);  // during a game: silent, the board stays
    EXPECT_TRUE(h.calls.empty());
    EXPECT_EQ(g.sizeCode, 2);
    EXPECT_EQ(g.boardSize, 15);
    EXPECT_EQ(g.gameRunning, 1);
    playButton(g, h);
    EXPECT_EQ(g.boardSize, 20);
}

TEST_F(Match, HumanComputerOnlyBetweenGames) {
    humanComputerButton(g, h);
    EXPECT_EQ(g.redIsHuman, 0);
    EXPECT_EQ(h.calls, (Calls{"sound Click", "showOpponentKind"}));
    playButton(g, h);
    h.clear();
    humanComputerButton(g, h);
    EXPECT_EQ(h.calls, (Calls{"sound Click"}));
    EXPECT_EQ(g.redIsHuman, 0);
}

TEST_F(Match, BoardClickMapsPixelsToCellsOnEachSize) {
    struct Hit {
        int sizeCode, x, y, col, row;  // col 0: no cell
    };
    const Hit hits[] = {{1, 37, 0, 1, 1},    {1, 38, 37, 2, 1},   {1, 555, 555, 15, 15},
                        {1, 556, 10, 0, 0},  {2, 28, 29, 1, 2},   {2, 560, 560, 20, 20},
                        {2, 561, 5, 0, 0},   {3, 19, 20, 1, 2},   {3, 570, 570, 30, 30},
                        {3, 571, 571, 0, 0}, {3, 10, 1000, 0, 0}, {1, -1, 5, 0, 0}};
    for (const Hit& hit : hits) {
        g.sizeCode = static_cast<std::uint8_t>(hit.sizeCode);
        playButton(g, h);
        g.blueToMove = 1;
        boardClick(g, h, MouseButton::Left, hit.x, hit.y);
        if (hit.col == 0) {
            EXPECT_EQ(g.moveCount, 0) << hit.x << "," << hit.y;
        } else {
            EXPECT_EQ(g.cell(hit.col, hit.row), kBlue) << hit.x << "," << hit.y;
            EXPECT_EQ(g.moveCol, hit.col);
            EXPECT_EQ(g.moveRow, hit.row);
        }
    }
}

TEST_F(Match, ClicksThatPlaceNothing) {
    playButton(g, h);
    g.blueToMove = 1;
    click(4, 4, MouseButton::Right);
    click(4, 4, MouseButton::Middle);
    EXPECT_EQ(g.moveCount, 0);

    click(4, 4);
    click(4, 4);  // occupied for Red
    EXPECT_EQ(g.moveCount, 1);
    EXPECT_EQ(g.blueToMove, 0);

    g.connected = 1;  // Red's pieces come from the peer
    click(5, 5);
    g.connected = 0;
    g.redIsHuman = 0;  // or from the computer
    click(5, 5);
    EXPECT_EQ(g.moveCount, 1);

    g.redIsHuman = 1;
    g.busy = 1;
    click(5, 5);
    g.busy = 0;
    g.gameRunning = 0;
    click(5, 5);
    EXPECT_EQ(g.moveCount, 1);
    g.gameRunning = 1;
    click(5, 5);
    EXPECT_EQ(g.cell(5, 5), kRed);
}

TEST_F(Match, ExitWhenIdleSoundsSavesWaitsAndQuits) {
    exitSequence(g, h);
    EXPECT_EQ(h.calls, (Calls{"sound Exit", "save", "delay 600", "pump", "quit"}));
}

TEST_F(Match, ExitDuringAConnectedGameAbandonsItAndHangsUp) {
    g.soundOff = 1;
    playButton(g, h);
    g.blueToMove = 0;
    g.connected = 1;
    h.clear();
    exitSequence(g, h);
    EXPECT_EQ(h.calls, (Calls{"save", "delay 1000", "hangUp", "pump", "delay 300", "save",
                              "delay 600", "pump", "quit"}));
    EXPECT_EQ(g.resultHistory[0], kBlue);
    EXPECT_EQ(g.resultHistory[1], kNone);
}

}  // namespace

// Events that arrive inside another handler's pause or pump: a click, a Play,
// a Stop, a size change, an Exit or a message from the peer must neither
// place a second piece nor score a game twice nor touch a newer board.

#include <algorithm>

#include "core/protocol/dispatch.h"
#include "enginetest.h"

using namespace zelvan;
using namespace zelvan::test;

namespace {

class Nested : public EngineTest {
protected:
    void SetUp() override {
        startGame();  // Blue to move
        g.redIsHuman = 1;
    }
    // Runs f at the n-th pump from now (1 = the next one).
    void atPump(int n, std::function<void()> f) {
        if (n == 1) {
            h.onPump = std::move(f);
            return;
        }
        h.onPump = [this, n, f = std::move(f)]() mutable { atPump(n - 1, std::move(f)); };
    }
    // Nothing drawn on the board picture after its last new board.
    bool nothingDrawnAfterGrid() const {
        auto grid = std::find(h.calls.rbegin(), h.calls.rend(), "drawGrid");
        return grid != h.calls.rend() &&
               std::none_of(h.calls.rbegin(), grid,
                            [](const std::string& c) { return c.rfind("drawPiece", 0) == 0; });
    }
};

TEST_F(Nested, SecondClickDuringBluesPauseIsNotASecondPiece) {
    h.onDelay = [&] { click(5, 5); };
    click(4, 4);
    EXPECT_EQ(g.moveCount, 1);
    EXPECT_EQ(g.cell(5, 5), kNone);
    EXPECT_EQ(g.blueToMove, 0);

    h.onPump = [&] { click(6, 6); };  // and none during the second person's pump
    click(5, 5);
    EXPECT_EQ(g.moveCount, 2);
    EXPECT_EQ(g.cell(6, 6), kNone);
    EXPECT_EQ(g.blueToMove, 1);
}

TEST_F(Nested, SecondPlayDuringPlaysPauseDoesNothing) {
    g.gameRunning = 0;
    h.onDelay = [&] { playButton(g, h); };
    const auto serial = g.boardSerial;
    playButton(g, h);
    EXPECT_EQ(h.count("sound Play"), 2);
    EXPECT_EQ(g.boardSerial, serial + 1);                          // one new board
    EXPECT_EQ(g.resultHistory, (std::array<std::uint8_t, 10>{}));  // no game abandoned
    EXPECT_EQ(h.saves, 0);
    EXPECT_EQ(g.gameRunning, 1);

    click(4, 4);  // the opener's piece; the other side is to move and loses
    const std::uint8_t winner = g.blueOpens ? kBlue : kRed;
    h.onDelay = [&] { playButton(g, h); };
    playButton(g, h);  // abandons the running game once
    EXPECT_EQ(g.resultHistory[0], winner);
    EXPECT_EQ(g.resultHistory[1], kNone);
    EXPECT_EQ(h.saves, 1);
}

TEST_F(Nested, ExitRunsOnceAndAcceptsNoMoveInItsPauses) {
    h.onDelay = [&] {
        click(4, 4);
        playButton(g, h);
        exitSequence(g, h);
    };
    exitSequence(g, h);
    EXPECT_EQ(g.moveCount, 0);
    EXPECT_EQ(g.cell(4, 4), kNone);
    EXPECT_EQ(g.resultHistory[0], kRed);  // Blue was to move
    EXPECT_EQ(g.resultHistory[1], kNone);
    EXPECT_EQ(h.count("quit"), 1);
    EXPECT_EQ(h.count("sound Exit"), 1);
    EXPECT_EQ(h.count("drawGrid"), 0);
    EXPECT_EQ(h.saves, 2);  // the abandoned game, then the exit's own save
}

TEST_F(Nested, StopDuringBluesPauseScoresTheGameOnce) {
    g.connected = 1;
    put(kBlue, {{1, 9}, {2, 9}, {3, 9}, {4, 9}});
    put(kRed, {{1, 10}, {2, 10}, {3, 10}, {4, 10}});
    h.onDelay = [&] { stopButton(g, h); };
    click(5, 9);                          // would have been Blue's five
    EXPECT_EQ(g.resultHistory[0], kRed);  // Stop came while Blue was still to move
    EXPECT_EQ(g.resultHistory[1], kNone);
    EXPECT_EQ(h.saves, 1);
    EXPECT_FALSE(h.has("sound BlueWins"));
    EXPECT_EQ(g.gameRunning, 0);
    EXPECT_EQ(g.winner, kNone);
    // The stopped game's move is not announced, and nothing waits for a reply.
    EXPECT_EQ(h.sent, (std::vector<std::string>{"STOP"}));
    EXPECT_EQ(h.cursor, Cursor::Normal);
}

TEST_F(Nested, StopWhileTheWinningLineIsDrawnFreezesItAndScoresOnce) {
    put(kBlue, {{1, 5}, {2, 5}, {3, 5}, {4, 5}});
    put(kRed, {{1, 6}, {2, 6}, {3, 6}, {4, 6}});
    atPump(2, [&] { stopButton(g, h); });  // the placement's pump, then the line's
    click(5, 5);
    EXPECT_EQ(g.resultHistory[0], kBlue);
    EXPECT_EQ(g.resultHistory[1], kNone);
    EXPECT_EQ(h.saves, 1);
    EXPECT_EQ(g.winner, kNone);
    EXPECT_FALSE(h.blinkTimer);
    EXPECT_EQ(drawn(true).size(), 5u);  // drawn once, before the Stop
}

TEST_F(Nested, StopDuringTheGameOverPumpStillRecordsTheWin) {
    g.connected = 1;
    put(kBlue, {{5, 1}, {4, 2}, {3, 3}, {2, 4}, {1, 5}});  // an anti-diagonal: one line pump
    atPump(2, [&] { stopButton(g, h); });
    checkFive(g, h);
    EXPECT_EQ(g.resultHistory[0], kBlue);
    EXPECT_EQ(g.resultHistory[1], kNone);
    EXPECT_EQ(g.scoreBlue, 1001);
    EXPECT_EQ(g.scoreRed, 999);
    EXPECT_FALSE(h.has("sound RedWins"));
    EXPECT_FALSE(h.blinkTimer);
    EXPECT_EQ(g.winner, kNone);
}

TEST_F(Nested, SizeChangeWhileTheWinningLineIsDrawnLeavesTheNewBoardAlone) {
    put(kBlue, {{1, 5}, {2, 5}, {3, 5}, {4, 5}});
    put(kRed, {{1, 6}, {2, 6}, {3, 6}, {4, 6}});
    g.blueOpens = 0;  // the new board gives Blue the first move
    atPump(2, [&] { sizeButton(g, h); });
    click(5, 5);
    EXPECT_EQ(g.boardSize, 20);
    EXPECT_TRUE(nothingDrawnAfterGrid());
    EXPECT_FALSE(h.blinkTimer);
    EXPECT_EQ(g.blueToMove, g.blueOpens);  // the new board's opener
    EXPECT_EQ(g.resultHistory[0], kBlue);  // the game was won all the same
    EXPECT_EQ(g.resultHistory[1], kNone);
    EXPECT_EQ(h.saves, 1);
}

// What a PLAY from the peer does to this side's record.
void remotePlay(Game& g, Host& host) {
    init(g, host);
    g.gameRunning = 1;
    g.winner = kNone;
    g.busy = 0;
    g.moveCount = 0;
}

TEST_F(Nested, PeersNewGameWhileTheWinningLineIsDrawnKeepsRunning) {
    g.connected = 1;
    g.acceptedPeer = 1;
    put(kBlue, {{9, 1}, {9, 2}, {9, 3}, {9, 4}});
    put(kRed, {{10, 1}, {10, 2}, {10, 3}, {10, 4}});
    g.blueOpens = 0;  // the peer's game gives Blue the first move
    atPump(2, [&] { remotePlay(g, h); });
    click(9, 5);
    EXPECT_EQ(g.gameRunning, 1);
    EXPECT_EQ(g.winner, kNone);
    EXPECT_EQ(g.blueToMove, g.blueOpens);
    EXPECT_TRUE(nothingDrawnAfterGrid());
    EXPECT_FALSE(h.blinkTimer);
    EXPECT_EQ(g.resultHistory[0], kBlue);
    EXPECT_EQ(g.resultHistory[1], kNone);
}

TEST_F(Nested, PlayDuringAPeersMoveWaitsUntilTheMoveIsScanned) {
    g.connected = 1;
    g.blueToMove = 0;
    put(kRed, {{3, 3}, {4, 4}, {5, 5}, {6, 6}});
    put(kBlue, {{3, 4}, {4, 5}, {5, 6}, {6, 7}});
    h.onPump = [&] { playButton(g, h); };
    EXPECT_TRUE(placePiece(g, h, PieceSource::Peer, 7, 7));
    EXPECT_EQ(h.count("sound Play"), 1);
    EXPECT_EQ(g.winner, kRed);  // the peer's five counts, not an abandoned game
    EXPECT_EQ(g.resultHistory[0], kRed);
    EXPECT_EQ(g.resultHistory[1], kNone);
    EXPECT_EQ(g.cell(7, 7), kRed);
}

TEST_F(Nested, PlayWhileTheSizeButtonDrawsTheNewBoardKeepsItsGame) {
    g.gameRunning = 0;
    g.redIsHuman = 0;
    g.blueOpens = 0;  // the size's board gives Blue the first move, the Play's Red
    h.onDrawGrid = [&] { playButton(g, h); };
    sizeButton(g, h);
    EXPECT_EQ(g.gameRunning, 1);
    EXPECT_EQ(g.moveCount, 1);
    EXPECT_EQ(g.cell(11, 11), kRed);  // the computer's opening piece stays
}

TEST_F(Nested, PeersGameStartedWhilePlayDrawsItsBoardStands) {
    g.gameRunning = 0;
    g.connected = 1;
    h.onDrawGrid = [&] {
        dispatchMessage(g, h, "PLAY1C");  // the peer opens
        dispatchMessage(g, h, "MOVE0808");
    };
    playButton(g, h);
    EXPECT_EQ(g.gameRunning, 1);
    EXPECT_EQ(g.moveCount, 1);
    EXPECT_EQ(g.cell(8, 8), kRed);
    EXPECT_TRUE(h.sent.empty());  // this side's Play was dropped, not announced
}

}  // namespace

// Play shows whose turn it is and lets events run before the computer opens:
// a Stop there ends the game, and the computer must not move on the stopped
// board.
TEST_F(Nested, StopWhilePlayShowsTheTurnKeepsTheComputerFromOpening) {
    g.gameRunning = 0;
    g.redIsHuman = 0;
    g.blueOpens = 1;                       // the new board flips it: the computer opens
    atPump(2, [&] { stopButton(g, h); });  // the pump after the turn is shown
    playButton(g, h);
    EXPECT_EQ(g.gameRunning, 0);
    EXPECT_EQ(g.moveCount, 0);
    EXPECT_TRUE(nothingDrawnAfterGrid());
    EXPECT_EQ(g.busy, 0);
}

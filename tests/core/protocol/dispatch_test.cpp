#include <gtest/gtest.h>

#include "core/engine/rules.h"
#include "core/protocol/dispatch.h"
#include "support/fakehost.h"

using namespace zelvan;
using zelvan::test::FakeHost;

namespace {

class Dispatch : public ::testing::Test {
protected:
    Game g;
    FakeHost host;

    void SetUp() override {
        g.connected = 1;
        g.soundOff = 0;
    }
    void receive(const std::string& m) { dispatchMessage(g, host, m); }
    // A running game against the peer on a board of sizeCode, with the peer to move.
    void startGamePeerToMove(int sizeCode = 1) {
        receive(std::string("PLAY") + char('0' + sizeCode) + "C");
        ASSERT_TRUE(g.gameRunning);
        ASSERT_EQ(g.blueToMove, 0);
        host.clear();
    }
    // Board and flags that a message must not have touched.
    struct Snapshot {
        Board cells;
        std::uint8_t running, blueToMove, winner, sizeCode;
        std::int32_t moveCount;
        std::array<std::uint8_t, 10> history;
    };
    Snapshot snap() const {
        return {g.cells,    g.gameRunning, g.blueToMove,   g.winner,
                g.sizeCode, g.moveCount,   g.resultHistory};
    }
    void expectUnchanged(const Snapshot& s, const std::string& m) {
        EXPECT_EQ(g.cells, s.cells) << m;
        EXPECT_EQ(g.gameRunning, s.running) << m;
        EXPECT_EQ(g.blueToMove, s.blueToMove) << m;
        EXPECT_EQ(g.winner, s.winner) << m;
        EXPECT_EQ(g.sizeCode, s.sizeCode) << m;
        EXPECT_EQ(g.moveCount, s.moveCount) << m;
        EXPECT_EQ(g.resultHistory, s.history) << m;
        EXPECT_EQ(host.saves, 0) << m;
    }
};

}  // namespace

TEST_F(Dispatch, ShortMessagesAreDroppedWithoutAPump) {
    for (const char* m : {"", "S", "STO", "MOV"}) {
        receive(m);
        EXPECT_TRUE(host.calls.empty()) << m;
    }
}

TEST_F(Dispatch, MalformedMessagesOnlyPump) {
    startGamePeerToMove();
    const Snapshot before = snap();
    for (const char* m : {"stop", "Stop", "play1C", "move0101", "chathello", "HELO", "XYZW1234",
                          "CHAT", "PLAY", "PLAY1", "MOVE", "MOVE315", "MOVE03150", "MOVE0315 "}) {
        host.clear();
        receive(m);
        EXPECT_EQ(host.calls, std::vector<std::string>{"pump"}) << m;
        expectUnchanged(before, m);
    }
}

TEST_F(Dispatch, ChatLineReachesTheWindowCleaned) {
    receive("CHAThello");
    EXPECT_EQ(host.calls, (std::vector<std::string>{"chat hello", "pump"}));

    host.clear();
    receive(std::string("CHATa\r\nx: forged\tb\x7f") + "\x01" + "\xe9");
    EXPECT_EQ(host.calls.front(), "chat a  x: forged b  \xe9");

    host.clear();
    receive("CHAT" + std::string(255, 'y') + "TAIL");
    EXPECT_EQ(host.calls.front(), "chat " + std::string(255, 'y'));

    host.clear();
    receive(std::string("CHAT\0\0", 6));  // nothing but control bytes is still a line
    EXPECT_EQ(host.calls.front(), "chat   ");
}

TEST_F(Dispatch, PlayStartsTheAnnouncedGame) {
    g.redIsHuman = 0;
    receive("PLAY2S");
    EXPECT_EQ(g.sizeCode, 2);
    EXPECT_EQ(g.boardSize, 20);
    EXPECT_EQ(g.redIsHuman, 1);
    EXPECT_EQ(g.gameRunning, 1);
    EXPECT_EQ(g.blueToMove, 1);  // "S": this side opens
    EXPECT_EQ(g.moveCount, 0);
    EXPECT_EQ(host.cursor, Cursor::Normal);
    EXPECT_EQ(host.saves, 0);
    const std::vector<std::string> head(host.calls.begin(), host.calls.begin() + 4);
    EXPECT_EQ(head, (std::vector<std::string>{"showOpponentKind", "delay 300", "startGameClock",
                                              "cursor normal"}));
    EXPECT_EQ(host.calls.back(), "pump");
    EXPECT_TRUE(host.has("drawGrid"));
    EXPECT_TRUE(host.has("showTurn"));

    host.clear();
    g.gameRunning = 0;
    receive("PLAY3C");
    EXPECT_EQ(g.boardSize, 30);
    EXPECT_EQ(g.blueToMove, 0);  // "C": the peer opens
    EXPECT_EQ(host.cursor, Cursor::Wait);
}

TEST_F(Dispatch, PlayDetails) {
    g.pieceStyle = 1;
    g.pieceStyleChoice = 0;
    g.sizeCode = 2;
    receive("PLAY9C");  // an unknown size digit keeps the current size
    EXPECT_EQ(g.boardSize, 20);
    EXPECT_EQ(g.pieceStyle, 0);  // each side draws in its own chosen style
    g.gameRunning = 0;

    receive("PLAY1x");  // any letter but "C" means this side opens
    EXPECT_EQ(g.blueToMove, 1);
    g.gameRunning = 0;

    receive("PLAY1CS and more");  // only two payload characters are read
    EXPECT_EQ(g.blueToMove, 0);
    EXPECT_EQ(g.boardSize, 15);
}

TEST_F(Dispatch, PlayWhileNotConnectedOnlyMakesRedAPerson) {
    g.connected = 0;
    g.redIsHuman = 0;
    receive("PLAY2S");
    EXPECT_EQ(g.redIsHuman, 1);
    EXPECT_EQ(g.gameRunning, 0);
    EXPECT_EQ(g.sizeCode, 2);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"showOpponentKind", "pump"}));
}

TEST_F(Dispatch, PlayDuringAGameAbandonsItFirst) {
    startGamePeerToMove();
    receive("PLAY1S");
    EXPECT_EQ(g.resultHistory[0], kBlue);  // the peer was to move, so the peer lost
    EXPECT_EQ(host.saves, 1);
    EXPECT_EQ(g.gameRunning, 1);
    EXPECT_EQ(g.winner, kNone);
}

TEST_F(Dispatch, StopAbandonsARunningGame) {
    for (const char* m : {"STOP", "STOPxyz"}) {
        startGamePeerToMove();
        g.resultHistory.fill(0);
        host.saves = 0;
        host.cursor = Cursor::Wait;
        receive(m);
        EXPECT_EQ(g.gameRunning, 0) << m;
        EXPECT_EQ(g.winner, kNone) << m;
        EXPECT_EQ(g.resultHistory[0], kBlue) << m;
        EXPECT_EQ(host.saves, 1) << m;
        EXPECT_EQ(host.cursor, Cursor::Normal) << m;
    }
}

TEST_F(Dispatch, StopWithoutAGameOnlyClearsTheFlags) {
    g.winner = kRed;
    g.busy = 1;
    host.cursor = Cursor::Wait;
    receive("STOP");
    EXPECT_EQ(g.winner, kNone);
    EXPECT_EQ(g.busy, 0);
    EXPECT_EQ(host.saves, 0);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"cursor normal", "pump"}));
}

TEST_F(Dispatch, MovePlacesRedAndGivesTheTurnBack) {
    startGamePeerToMove();
    host.cursor = Cursor::Wait;
    receive("MOVE0315");
    EXPECT_EQ(g.cell(3, 15), kRed);
    EXPECT_EQ(g.moveCol, 3);
    EXPECT_EQ(g.moveRow, 15);
    EXPECT_EQ(g.moveCount, 1);
    EXPECT_EQ(g.blueToMove, 1);
    EXPECT_EQ(host.cursor, Cursor::Normal);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"drawPiece R 3 15 n", "markMove R 3 15",
                                                    "sound RedPiece", "pump", "cursor normal",
                                                    "pump", "showTurn", "pump", "pump"}));
}

TEST_F(Dispatch, MoveThatCompletesFiveEndsTheGame) {
    startGamePeerToMove();
    for (int c = 1; c <= 4; ++c)
        g.cells[cellIndex(c, 1)] = kRed;
    g.moveCount = 4;
    receive("MOVE0501");
    EXPECT_EQ(g.winner, kRed);
    EXPECT_EQ(g.gameRunning, 0);
    EXPECT_TRUE(host.has("sound RedWins"));
    EXPECT_EQ(host.saves, 1);
}

TEST_F(Dispatch, MoveConversionAcceptsTheConversionsForms) {
    startGamePeerToMove();
    receive("MOVE$A 7");  // "$A" is 10; " 7" is 7
    EXPECT_EQ(g.cell(10, 7), kRed);
}

TEST_F(Dispatch, MoveWithoutAGameIsIgnored) {
    receive("MOVE0315");
    EXPECT_EQ(g.cell(3, 15), kNone);
    EXPECT_EQ(g.moveCount, 0);
    EXPECT_EQ(host.calls, std::vector<std::string>{"pump"});
}

TEST_F(Dispatch, HostileMovesAreIgnored) {
    startGamePeerToMove();  // 15x15
    g.cells[cellIndex(7, 7)] = kBlue;
    const Snapshot before = snap();
    for (const char* m : {"MOVE0000", "MOVE0001", "MOVE1600", "MOVE1601", "MOVE0116", "MOVE3030",
                          "MOVE9999", "MOVE-101", "MOVEab01", "MOVE01ab", "MOVE0707", "MOVE$F$G"}) {
        host.clear();
        receive(m);
        EXPECT_EQ(host.calls, std::vector<std::string>{"pump"}) << m;
        expectUnchanged(before, m);
    }
    // The cells just outside the board are never written.
    EXPECT_EQ(g.cell(16, 1), kNone);
    EXPECT_EQ(g.cell(1, 16), kNone);
}

TEST_F(Dispatch, MoveOutOfTurnIsIgnored) {
    receive("PLAY1S");  // this side opens
    ASSERT_EQ(g.blueToMove, 1);
    const Snapshot before = snap();
    receive("MOVE0101");
    expectUnchanged(before, "MOVE in Blue's turn");

    // The second of two moves in a row from the peer.
    g.blueToMove = 0;
    receive("MOVE0101");
    ASSERT_EQ(g.cell(1, 1), kRed);
    receive("MOVE0202");
    EXPECT_EQ(g.cell(2, 2), kNone);
    EXPECT_EQ(g.moveCount, 1);
}

TEST_F(Dispatch, MoveOutsideAGameAgainstThePeerIsIgnored) {
    startGamePeerToMove();
    g.busy = 1;  // the computer is choosing Red's move
    receive("MOVE0101");
    EXPECT_EQ(g.cell(1, 1), kNone);

    g.busy = 0;
    g.redIsHuman = 0;  // a game against the computer
    receive("MOVE0101");
    EXPECT_EQ(g.cell(1, 1), kNone);

    g.redIsHuman = 1;
    g.connected = 0;
    applyRemoteMove(g, host, 1, 1);
    EXPECT_EQ(g.cell(1, 1), kNone);
}

TEST_F(Dispatch, MoveDuringThePauseOfANewBoardMeetsTheOldGame) {
    // No game yet: a MOVE arriving in PLAY's pause is ignored and the new
    // game starts clean.
    host.onDelay = [&] { receive("MOVE0101"); };
    receive("PLAY1C");
    EXPECT_EQ(g.cell(1, 1), kNone);
    EXPECT_EQ(g.moveCount, 0);
    EXPECT_EQ(g.gameRunning, 1);
}

TEST_F(Dispatch, NewerPlayDuringThePauseWins) {
    startGamePeerToMove();  // game 1
    g.resultHistory.fill(0);
    host.saves = 0;
    // "PLAY3C" is held in its pause while the peer's next "PLAY2S" arrives
    // and starts its game; the older PLAY must then leave that game alone.
    host.onDelay = [&] { receive("PLAY2S"); };
    receive("PLAY3C");
    EXPECT_EQ(g.boardSize, 20);
    EXPECT_EQ(g.blueToMove, 1);
    EXPECT_EQ(g.gameRunning, 1);
    // Game 1 was abandoned once; the newer game was not abandoned by the older PLAY.
    EXPECT_EQ(host.saves, 1);
    EXPECT_EQ(g.resultHistory[0], kBlue);
    EXPECT_EQ(g.resultHistory[1], kNone);
}

TEST_F(Dispatch, SizeClickDuringThePauseDoesNotChangeThePeersGame) {
    host.onDelay = [&] { sizeButton(g, host); };
    receive("PLAY1S");
    EXPECT_EQ(g.sizeCode, 1);
    EXPECT_EQ(g.boardSize, 15);
    EXPECT_EQ(g.blueToMove, 1);
}

TEST_F(Dispatch, ConnectionLostDuringThePauseStartsNoGame) {
    host.onDelay = [&] { g.connected = 0; };
    receive("PLAY1S");
    EXPECT_EQ(g.gameRunning, 0);
    EXPECT_FALSE(host.has("drawGrid"));
}

TEST_F(Dispatch, ConnectionLostAbandonsARunningGame) {
    startGamePeerToMove();
    host.cursor = Cursor::Wait;
    connectionLostGame(g, host);
    EXPECT_EQ(g.gameRunning, 0);
    EXPECT_EQ(g.winner, kNone);
    EXPECT_EQ(g.resultHistory[0], kBlue);  // the side to move loses
    EXPECT_EQ(host.saves, 1);
    EXPECT_EQ(host.cursor, Cursor::Normal);

    // A finished game keeps its winner; nothing is scored again.
    g.winner = kRed;
    host.cursor = Cursor::Wait;
    connectionLostGame(g, host);
    EXPECT_EQ(g.winner, kRed);
    EXPECT_EQ(host.saves, 1);
    EXPECT_EQ(host.cursor, Cursor::Normal);
}

TEST_F(Dispatch, OwnMoveSentPassesTheTurn) {
    // This side's click while connected: the MOVE goes out and the turn
    // passes, so the peer's reply lands afterwards.
    receive("PLAY1S");
    host.clear();
    boardClick(g, host, MouseButton::Left, 20, 20);
    ASSERT_EQ(host.sent, std::vector<std::string>{"MOVE0101"});
    EXPECT_EQ(g.blueToMove, 0);
    EXPECT_TRUE(peerMayMove(g));
    receive("MOVE0202");
    EXPECT_EQ(g.cell(2, 2), kRed);
    EXPECT_EQ(g.blueToMove, 1);
}

TEST_F(Dispatch, ReplyArrivingInThePumpAfterTheSendLands) {
    // The peer answers so fast that its MOVE is read in the pump right after
    // this side's MOVE went out: it lands, and the turn ends up back here.
    receive("PLAY1S");
    host.clear();
    host.onDelay = [] {};  // the 150 ms pause passes quietly
    host.onPump = [&] { receive("MOVE0202"); };
    boardClick(g, host, MouseButton::Left, 20, 20);
    EXPECT_EQ(g.cell(1, 1), kBlue);
    EXPECT_EQ(g.cell(2, 2), kRed);
    EXPECT_EQ(g.blueToMove, 1);
    EXPECT_EQ(g.turnPassing, 0);
}

TEST_F(Dispatch, MoveDuringThePauseBeforeTheSendIsRefused) {
    // Before this side's MOVE has gone out it is still this side's turn.
    receive("PLAY1S");
    host.clear();
    host.onDelay = [&] { receive("MOVE0202"); };
    boardClick(g, host, MouseButton::Left, 20, 20);
    EXPECT_EQ(g.cell(2, 2), kNone);
    EXPECT_EQ(g.blueToMove, 0);
}

TEST_F(Dispatch, StopInThePumpAfterTheSendScoresTheSameLoserAsThePeer) {
    // The peer already counts the move as made and its own side to move, so
    // it records its own loss; this side must record the peer's (Red's) loss.
    receive("PLAY1S");
    host.clear();
    host.onPump = [&] { receive("STOP"); };
    boardClick(g, host, MouseButton::Left, 20, 20);
    EXPECT_EQ(g.resultHistory[0], kBlue);
    EXPECT_EQ(g.gameRunning, 0);
}

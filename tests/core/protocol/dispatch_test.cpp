// What each message from the peer does to this side's game, read as the
// window reads it: the board, the turn, the scores and the cursor after it.

#include <gtest/gtest.h>

#include "support/receivingside.h"

using namespace zelvan;
using namespace zelvan::test;

namespace {

using Strings = std::vector<std::string>;

// In a game against the peer, Red four in row 1 and Blue to move: Blue
// plays elsewhere and the peer's MOVE0501 makes five.
void peerCompletesFive(ReceivingSide& s) {
    s.lay({{1, 5}, {2, 6}, {3, 7}, {4, 8}}, {{1, 1}, {2, 1}, {3, 1}, {4, 1}}, PieceSource::Peer);
    s.play(9, 9);
    s.receive("MOVE0501");
}

class Dispatch : public ::testing::Test {
protected:
    ReceivingSide s{true};

    // A running game against the peer on a board of sizeCode, the peer to move.
    void startGamePeerToMove(int sizeCode = 1) {
        s.receive(std::string("PLAY") + char('0' + sizeCode) + "C");
        ASSERT_TRUE(s.match.running());
        ASSERT_FALSE(s.match.blueToMove());
        s.forget();
    }
    // What a message must leave alone.
    struct Snapshot {
        Position position;
        bool running, blueToMove;
        std::uint8_t winner;
        int sizeCode;
        Scores scores;
    };
    Snapshot snap() const {
        return {s.match.position(), s.match.running(),    s.match.blueToMove(),
                s.match.winner(),   s.options.sizeCode(), s.scores};
    }
    void expectUnchanged(const Snapshot& before, const std::string& m) {
        EXPECT_EQ(s.match.position(), before.position) << m;
        EXPECT_EQ(s.match.running(), before.running) << m;
        EXPECT_EQ(s.match.blueToMove(), before.blueToMove) << m;
        EXPECT_EQ(s.match.winner(), before.winner) << m;
        EXPECT_EQ(s.options.sizeCode(), before.sizeCode) << m;
        EXPECT_EQ(s.scores, before.scores) << m;
        EXPECT_EQ(s.settings.saves, 0) << m;
        EXPECT_TRUE(s.chats.empty()) << m;
    }
};

}  // namespace

TEST_F(Dispatch, ShortAndMalformedMessagesChangeNothing) {
    startGamePeerToMove();
    const Snapshot before = snap();
    for (const char* m :
         {"S", "STO", "MOV", "stop", "Stop", "play1C", "move0101", "chathello", "HELO", "XYZW1234",
          "CHAT", "PLAY", "PLAY1", "MOVE", "MOVE315", "MOVE03150", "MOVE0315 "}) {
        s.receive(m);
        expectUnchanged(before, m);
    }
}

TEST_F(Dispatch, AChatLineIsShownCleaned) {
    s.receive("CHAThello");
    s.receive(std::string("CHATa\r\nx: forged\tb\x7f") + "\x01" + "\xe9");
    s.receive("CHAT" + std::string(255, 'y') + "TAIL");
    s.receive(std::string("CHAT\0\0", 6));  // nothing but control bytes is still a line
    EXPECT_EQ(s.chats, (Strings{"hello", "a  x: forged b  \xe9", std::string(255, 'y'), "  "}));
}

TEST_F(Dispatch, PlayStartsTheAnnouncedGameAfter300Ms) {
    s.options.set(Setting::RedIsHuman, 0);
    s.arrive("PLAY2S");
    EXPECT_EQ(s.options.sizeCode(), 2);
    EXPECT_TRUE(s.options.redIsHuman());
    EXPECT_EQ(s.console.opponentShown, true);
    EXPECT_FALSE(s.match.running());
    s.timers.advance(299);
    EXPECT_FALSE(s.match.running());
    s.timers.advance(1);
    EXPECT_TRUE(s.match.running());
    EXPECT_EQ(s.board.boardSize, 20);
    EXPECT_TRUE(s.match.blueToMove());  // "S": this side opens
    EXPECT_EQ(s.console.cursor, Cursor::Normal);
    EXPECT_EQ(s.console.clockStarts, 1);
    EXPECT_EQ(s.settings.saves, 0);
    EXPECT_TRUE(s.peer.sent.empty());

    s.match.stop();
    s.receive("PLAY3C");
    EXPECT_EQ(s.board.boardSize, 30);
    EXPECT_FALSE(s.match.blueToMove());  // "C": the peer opens
    EXPECT_EQ(s.console.cursor, Cursor::Wait);
}

TEST_F(Dispatch, PlayDetails) {
    s.options.set(Setting::PieceStyle, 0);
    s.options.set(Setting::SizeCode, 2);
    s.receive("PLAY9C");  // an unknown size digit keeps the current size
    EXPECT_EQ(s.board.boardSize, 20);
    EXPECT_EQ(s.match.pieceStyle(), 0);  // each side draws in its own chosen style

    s.receive("PLAY1x");  // any letter but "C" means this side opens
    EXPECT_TRUE(s.match.blueToMove());

    s.receive("PLAY1CS and more");  // only two payload characters are read
    EXPECT_FALSE(s.match.blueToMove());
    EXPECT_EQ(s.board.boardSize, 15);
}

TEST_F(Dispatch, PlayWhileNotConnectedOnlyMakesRedAPerson) {
    s.peer.isConnected = false;
    s.options.set(Setting::RedIsHuman, 0);
    s.receive("PLAY2S");
    EXPECT_TRUE(s.options.redIsHuman());
    EXPECT_FALSE(s.match.running());
    EXPECT_EQ(s.options.sizeCode(), 2);
    EXPECT_EQ(s.board.grids, 1);
}

TEST_F(Dispatch, PlayDuringAGameAbandonsItFirst) {
    startGamePeerToMove();
    s.receive("PLAY1S");
    EXPECT_EQ(s.scores.results()[0], kBlue);  // the peer was to move, so the peer lost
    EXPECT_EQ(s.settings.saves, 1);
    EXPECT_TRUE(s.match.running());
    EXPECT_EQ(s.console.ends, (std::vector<GameEnd>{{EndReason::PeerRestarted, kBlue}}));
}

TEST_F(Dispatch, StopAbandonsARunningGame) {
    for (const char* m : {"STOP", "STOPxyz"}) {
        startGamePeerToMove();
        s.console.cursor = Cursor::Wait;
        s.receive(m);
        EXPECT_FALSE(s.match.running()) << m;
        EXPECT_EQ(s.match.winner(), kNone) << m;
        EXPECT_EQ(s.scores.results()[0], kBlue) << m;
        EXPECT_EQ(s.settings.saves, 1) << m;
        EXPECT_EQ(s.console.cursor, Cursor::Normal) << m;
        EXPECT_EQ(s.console.ends, (std::vector<GameEnd>{{EndReason::PeerStopped, kBlue}})) << m;
    }
}

TEST_F(Dispatch, StopAfterAWinFreezesTheLineAndScoresNothing) {
    startGamePeerToMove();
    peerCompletesFive(s);
    ASSERT_EQ(s.match.winner(), kRed);
    s.console.cursor = Cursor::Wait;
    s.receive("STOP");
    EXPECT_EQ(s.match.winner(), kNone);
    EXPECT_EQ(s.settings.saves, 1);  // the win's
    EXPECT_EQ(s.console.cursor, Cursor::Normal);
}

TEST_F(Dispatch, MovePlacesRedAndGivesTheTurnBack) {
    startGamePeerToMove();
    s.receive("MOVE0315");
    EXPECT_EQ(s.cell(3, 15), kRed);
    EXPECT_TRUE(s.board.show(Side::Red, {{3, 15}}, false));
    EXPECT_EQ(s.board.redFrame, (std::pair{3, 15}));
    EXPECT_EQ(s.speaker.played, Strings{"RedPiece"});
    EXPECT_EQ(s.match.position().moveCount(), 1);
    EXPECT_FALSE(s.match.position().inZone(3, 14));  // a person's piece marks no zone
    EXPECT_TRUE(s.match.blueToMove());
    EXPECT_EQ(s.console.cursor, Cursor::Normal);
    EXPECT_TRUE(s.timers.asked.empty());
}

TEST_F(Dispatch, AMoveThatCompletesFiveEndsTheGame) {
    startGamePeerToMove();
    peerCompletesFive(s);
    EXPECT_EQ(s.match.winner(), kRed);
    EXPECT_FALSE(s.match.running());
    EXPECT_EQ(s.speaker.played.back(), "RedWins");
    EXPECT_EQ(s.settings.saves, 1);
}

TEST_F(Dispatch, MoveNumbersTakeTheConversionsForms) {
    startGamePeerToMove();
    s.receive("MOVE$A 7");  // "$A" is 10; " 7" is 7
    EXPECT_EQ(s.cell(10, 7), kRed);
}

TEST_F(Dispatch, HostileOrUntimelyMovesChangeNothing) {
    startGamePeerToMove();  // 15x15
    s.lay({{7, 7}}, {});    // Blue's piece: Red to move
    ASSERT_FALSE(s.match.blueToMove());
    const Snapshot before = snap();
    for (const char* m : {"MOVE0000", "MOVE0001", "MOVE1600", "MOVE1601", "MOVE0116", "MOVE3030",
                          "MOVE9999", "MOVE-101", "MOVEab01", "MOVE01ab", "MOVE0707", "MOVE$F$G"}) {
        s.receive(m);
        expectUnchanged(before, m);
    }
    // The second of two moves in a row from the peer.
    s.receive("MOVE0101");
    ASSERT_EQ(s.cell(1, 1), kRed);
    s.receive("MOVE0202");
    EXPECT_EQ(s.cell(2, 2), kNone);
}

TEST_F(Dispatch, MovesOutsideAGameAgainstThePeerAreIgnored) {
    s.receive("MOVE0315");  // no game
    EXPECT_EQ(s.cell(3, 15), kNone);

    ReceivingSide computerGame(false);
    computerGame.peer.isConnected = false;
    computerGame.startGame(false, true);  // a game against the computer, Blue to move
    computerGame.peer.isConnected = true;
    computerGame.receive("MOVE0101");
    EXPECT_EQ(computerGame.cell(1, 1), kNone);
}

// A MOVE right behind a PLAY waits out the PLAY's pause and lands on the
// peer's new board.
TEST_F(Dispatch, MessagesBehindAPlayWaitForItsGame) {
    startGamePeerToMove();
    s.arrive({"PLAY1C", "MOVE0808"});
    EXPECT_EQ(s.cell(8, 8), kNone);
    EXPECT_EQ(s.arrivals.size(), 1u);  // held back in the socket layer
    s.timers.runAll();
    EXPECT_EQ(s.cell(8, 8), kRed);
    EXPECT_EQ(s.match.position().moveCount(), 1);
    EXPECT_TRUE(s.arrivals.empty());

    s.arrive("PLAY1SMOVE0909CHAThi");  // one read: the same
    EXPECT_TRUE(s.chats.empty());
    s.timers.runAll();
    EXPECT_EQ(s.cell(9, 9), kNone);  // this side opens: not the peer's turn
    EXPECT_EQ(s.chats, Strings{"hi"});
}

// A newer PLAY that arrives during an older one's pause waits for it: both
// games start in turn, and each is abandoned once.
TEST_F(Dispatch, ANewerPlayDuringThePauseFollowsIt) {
    startGamePeerToMove();
    s.arrive("PLAY3C");
    s.timers.advance(100);
    s.arrive("PLAY2S");
    s.timers.runAll();
    EXPECT_EQ(s.board.boardSize, 20);
    EXPECT_TRUE(s.match.blueToMove());
    EXPECT_TRUE(s.match.running());
    EXPECT_EQ(s.console.ends, (std::vector<GameEnd>{{EndReason::PeerRestarted, kBlue},
                                                    {EndReason::PeerRestarted, kBlue}}));
    EXPECT_EQ(s.scores.results()[2], kNone);
}

TEST_F(Dispatch, ALostConnectionAbandonsARunningGameOnly) {
    startGamePeerToMove();
    s.console.cursor = Cursor::Wait;
    s.match.connectionLost(EndReason::PeerLeft);
    EXPECT_EQ(s.console.ends, (std::vector<GameEnd>{{EndReason::PeerLeft, kBlue}}));
    EXPECT_FALSE(s.match.running());
    EXPECT_EQ(s.scores.results()[0], kBlue);  // the side to move loses
    EXPECT_EQ(s.settings.saves, 1);
    EXPECT_EQ(s.console.cursor, Cursor::Normal);

    // A finished game keeps its winner (its line goes on blinking).
    ReceivingSide won(true);
    won.receive("PLAY1C");
    peerCompletesFive(won);
    won.match.connectionLost(EndReason::PeerLeft);
    EXPECT_EQ(won.match.winner(), kRed);
    EXPECT_EQ(won.settings.saves, 1);
}

TEST_F(Dispatch, OwnMoveGoesOutAndThePeersReplyLands) {
    s.receive("PLAY1S");
    s.play(1, 1);
    ASSERT_EQ(s.peer.sent, Strings{"MOVE0101"});
    EXPECT_FALSE(s.match.blueToMove());
    EXPECT_EQ(s.console.cursor, Cursor::Wait);
    s.receive("MOVE0202");
    EXPECT_EQ(s.cell(2, 2), kRed);
    EXPECT_TRUE(s.match.blueToMove());
    EXPECT_EQ(s.console.cursor, Cursor::Normal);
}

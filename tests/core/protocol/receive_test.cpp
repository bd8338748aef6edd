#include <gtest/gtest.h>

#include "core/engine/rules.h"
#include "core/protocol/dispatch.h"
#include "core/protocol/receive.h"
#include "core/protocol/wire.h"
#include "support/fakehost.h"

using namespace zelvan;
using zelvan::test::FakeHost;

namespace {

std::string nothingWaiting() {
    return {};
}

// One copy's side of a connection: its game record and its host.
struct Side_ {
    Game g;
    FakeHost host;
    explicit Side_(bool accepted) {
        g.connected = 1;
        g.acceptedPeer = accepted ? 1 : 0;
        g.soundOff = 1;
    }
    void receive(const std::string& read) { receiveRead(g, host, read, nothingWaiting); }
};

// Running, with a Red piece at (8, 8) and this side to move.
void gameWithAMove(Side_& s) {
    s.receive("PLAY1C");
    s.receive("MOVE0808");
    ASSERT_EQ(s.g.cell(8, 8), kRed);
    ASSERT_EQ(s.g.blueToMove, 1);
    s.host.clear();
    s.host.saves = 0;
}

std::uint8_t swapped(std::uint8_t c) {
    return c == kBlue ? kRed : c == kRed ? kBlue : kNone;
}

}  // namespace

// A run of PLAYs in one read leaves the game as the same PLAYs read one at a
// time would: the same results in the same order, the last one's game. But
// only that game gets a board and a pause, and the file is written once.
TEST(Receive, RestartRunEndsAsPlayingEachWould) {
    const std::string run = "PLAY1SPLAY2CPLAY3SPLAY9C";  // "9" keeps the size the run set
    Side_ burst(true), apart(true);
    gameWithAMove(burst);
    gameWithAMove(apart);

    burst.receive(run);
    for (const std::string& play : splitRead(run))
        apart.receive(play);

    EXPECT_EQ(burst.g.resultHistory, apart.g.resultHistory);
    EXPECT_EQ(burst.g.resultHistory[3], kRed);  // the game with a move, this side to move
    EXPECT_EQ(burst.g.resultHistory[4], kNone);
    EXPECT_EQ(burst.g.scoreBlue, apart.g.scoreBlue);
    EXPECT_EQ(burst.g.scoreRed, apart.g.scoreRed);
    EXPECT_EQ(burst.g.boardSize, 30);
    EXPECT_EQ(burst.g.blueToMove, apart.g.blueToMove);
    EXPECT_EQ(burst.g.gameRunning, 1);
    EXPECT_EQ(burst.g.cell(8, 8), kNone);

    EXPECT_EQ(burst.host.count("delay 300"), 1);
    EXPECT_EQ(burst.host.count("drawGrid"), 1);
    EXPECT_EQ(burst.host.saves, 1);
    EXPECT_EQ(apart.host.saves, 4);
}

// The peer's Play abandons its own running game each time; a burst of them
// read here at once scores the same games for the same players.
TEST(Receive, HonestPeersRestartsKeepBothScoresInStep) {
    Side_ caller(false), listener(true);
    auto deliver = [&] {
        std::string read;
        for (const std::string& m : caller.host.sent)
            read += m;
        caller.host.sent.clear();
        listener.receive(read);
    };
    playButton(caller.g, caller.host);
    deliver();
    ASSERT_EQ(caller.g.blueToMove, 1);
    boardClick(caller.g, caller.host, MouseButton::Left, 20, 20);
    deliver();
    ASSERT_EQ(listener.g.cell(1, 1), kRed);

    for (int i = 0; i < 5; ++i) {
        playButton(caller.g, caller.host);
        if (i == 2) sizeButton(caller.g, caller.host);
    }
    deliver();

    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(listener.g.resultHistory[i], swapped(caller.g.resultHistory[i])) << i;
    EXPECT_NE(caller.g.resultHistory[4], kNone);  // five games ended
    EXPECT_EQ(listener.g.scoreBlue, caller.g.scoreRed);
    EXPECT_EQ(listener.g.scoreRed, caller.g.scoreBlue);
    EXPECT_EQ(listener.g.boardSize, caller.g.boardSize);
    EXPECT_EQ(listener.g.gameRunning, 1);
    EXPECT_NE(listener.g.blueToMove, caller.g.blueToMove);
}

// Only a PLAY that another PLAY directly follows is settled, also when the
// next one waits in the next read; the file is then written once for both.
TEST(Receive, OnlyAPlayFollowedByAPlayIsSettled) {
    for (const char* read : {"PLAY1CMOVE0808PLAY1S", "PLAY1SSTOPPLAY1S"}) {
        Side_ s(true);
        s.receive(read);
        EXPECT_EQ(s.host.count("delay 300"), 2) << read;
    }

    Side_ s(true);
    gameWithAMove(s);
    receiveRead(s.g, s.host, "PLAY1S", [] { return std::string("PLAY2C"); });
    EXPECT_EQ(s.host.saves, 0);
    EXPECT_FALSE(s.host.has("delay 300"));
    s.receive("PLAY2C");
    EXPECT_EQ(s.host.saves, 1);
    EXPECT_EQ(s.g.resultHistory[0], kRed);  // the settled game: this side was to open
    EXPECT_EQ(s.g.resultHistory[1], kRed);  // the game with a move
    EXPECT_EQ(s.g.boardSize, 20);
}

// A peer whose disconnect the socket layer holds back restarts nothing.
TEST(Receive, PlaysFromAPeerThatLeftScoreNothing) {
    Side_ s(true);
    gameWithAMove(s);
    const auto history = s.g.resultHistory;
    s.host.peerUp = false;
    s.receive("PLAY1SPLAY2SPLAY3S");
    EXPECT_EQ(s.g.resultHistory, history);
    EXPECT_EQ(s.host.saves, 0);
    EXPECT_FALSE(s.host.has("drawGrid"));
}

// Restart bursts from the peer: PLAYs that another PLAY directly follows are
// settled at once, scored as playing each would, with one board, one pause
// and one save for the run.

#include <gtest/gtest.h>

#include "core/protocol/wire.h"
#include "support/receivingside.h"

using namespace zelvan;
using namespace zelvan::test;

namespace {

// Running, with a Red piece at (8, 8) and this side to move.
void gameWithAMove(ReceivingSide& s) {
    s.options.set(Setting::SoundOff, 1);
    s.receive("PLAY1C");
    s.receive("MOVE0808");
    ASSERT_EQ(s.cell(8, 8), kRed);
    ASSERT_TRUE(s.match.blueToMove());
    s.forget();
}

std::uint8_t swapped(std::uint8_t c) {
    return c == kBlue ? kRed : c == kRed ? kBlue : kNone;
}

int count(const std::vector<unsigned>& pauses, unsigned ms) {
    return int(std::count(pauses.begin(), pauses.end(), ms));
}

}  // namespace

// A run of PLAYs in one read leaves the game as the same PLAYs read one at a
// time would: the same results in the same order, the last one's game. But
// only that game gets a board and a pause, and the file is written once.
TEST(Receive, ARestartRunEndsAsPlayingEachWould) {
    const std::string run = "PLAY1SPLAY2CPLAY3SPLAY9C";  // "9" keeps the size the run set
    ReceivingSide burst(true), apart(true);
    gameWithAMove(burst);
    gameWithAMove(apart);
    const int grids = burst.board.grids;

    burst.receive(run);
    for (const std::string& play : splitRead(run))
        apart.receive(play);

    EXPECT_EQ(burst.scores, apart.scores);
    EXPECT_EQ(burst.scores.results()[3], kRed);  // the game with a move, this side to move
    EXPECT_EQ(burst.scores.results()[4], kNone);
    EXPECT_EQ(burst.board.boardSize, 30);
    EXPECT_EQ(burst.match.blueToMove(), apart.match.blueToMove());
    EXPECT_TRUE(burst.match.running());
    EXPECT_EQ(burst.cell(8, 8), kNone);

    EXPECT_EQ(count(burst.timers.asked, 300), 1);
    EXPECT_EQ(burst.board.grids, grids + 1);
    EXPECT_EQ(burst.settings.saves, 1);
    EXPECT_EQ(apart.settings.saves, 4);
}

// The peer's Play abandons its own running game each time; a burst of them
// read here at once scores the same games for the same players.
TEST(Receive, AnHonestPeersRestartsKeepBothScoresInStep) {
    MatchRig caller;
    ReceivingSide listener(true);
    caller.peer.isConnected = true;
    caller.options.set(Setting::SoundOff, 1);
    auto deliver = [&] {
        std::string read;
        for (const std::string& m : caller.peer.sent)
            read += m;
        caller.peer.sent.clear();
        listener.receive(read);
    };
    if (caller.match.blueOpens()) caller.match.size(), caller.match.size(), caller.match.size();
    caller.match.play();
    deliver();
    ASSERT_TRUE(caller.match.blueToMove());
    caller.play(1, 1);
    deliver();
    ASSERT_EQ(listener.cell(1, 1), kRed);

    for (int i = 0; i < 5; ++i) {
        caller.match.play();
        if (i == 2) caller.match.size();
    }
    deliver();

    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(listener.scores.results()[i], swapped(caller.scores.results()[i])) << i;
    EXPECT_NE(caller.scores.results()[4], kNone);  // five games ended
    EXPECT_EQ(listener.scores.blue(), caller.scores.red());
    EXPECT_EQ(listener.scores.red(), caller.scores.blue());
    EXPECT_EQ(listener.board.boardSize, caller.board.boardSize);
    EXPECT_TRUE(listener.match.running());
    EXPECT_NE(listener.match.blueToMove(), caller.match.blueToMove());
}

// Only a PLAY that another PLAY directly follows is settled, also when the
// next one waits in the next read; the file is then written once for both.
TEST(Receive, OnlyAPlayFollowedByAPlayIsSettled) {
    for (const char* read : {"PLAY1CMOVE0808PLAY1S", "PLAY1SSTOPPLAY1S"}) {
        ReceivingSide s(true);
        s.receive(read);
        EXPECT_EQ(count(s.timers.asked, 300), 2) << read;
    }

    ReceivingSide s(true);
    gameWithAMove(s);
    s.arrive({"PLAY1S", "PLAY2C"});
    s.timers.runAll();
    EXPECT_EQ(count(s.timers.asked, 300), 1);
    EXPECT_EQ(s.settings.saves, 1);
    EXPECT_EQ(s.scores.results()[0], kRed);  // the settled game: this side was to open
    EXPECT_EQ(s.scores.results()[1], kRed);  // the game with a move
    EXPECT_EQ(s.board.boardSize, 20);
}

// A peer whose disconnect the socket layer holds back restarts nothing.
TEST(Receive, PlaysFromAPeerThatLeftScoreNothing) {
    ReceivingSide s(true);
    gameWithAMove(s);
    const Scores before = s.scores;
    const int grids = s.board.grids;
    s.peer.gone = true;
    s.receive("PLAY1SPLAY2SPLAY3S");
    EXPECT_EQ(s.scores, before);
    EXPECT_EQ(s.settings.saves, 0);
    EXPECT_EQ(s.board.grids, grids);
}

#pragma once
// Match control with its options, scores and one fake of every seam, as
// the window wires them, for the core's tests and the benchmarks; with
// helpers that give input as the window does (clicks at cell centres) and
// lay out positions through the replay.

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "core/engine/board.h"
#include "core/engine/matchcontrol.h"
#include "support/fakeseams.h"

namespace zelvan::test {

// The look-ahead levels, or the slow fake once a test asks for it.
class ChosenComputer final : public ComputerPlayer {
public:
    LookAheadPlayer lookAhead;
    SlowComputer slow;
    bool useSlow = false;
    void request(const MoveRequest& r, RandomSource& random, Answer answer) override {
        active().request(r, random, std::move(answer));
    }
    void cancel() override { active().cancel(); }

private:
    ComputerPlayer& active() {
        return useSlow ? static_cast<ComputerPlayer&>(slow)
                       : static_cast<ComputerPlayer&>(lookAhead);
    }
};

struct MatchRig {
    Options options;
    Scores scores;
    FakeBoardView board;
    FakeConsole console;
    FakeSpeaker speaker;
    FakePeerLink peer;
    FakeSettingsFile settings{options, scores};
    FakeTimers timers;
    FakeRandom random;
    ChosenComputer computer;
    MatchControl match{
        options, scores, {board, console, speaker, peer, settings, timers, random, computer}};

    // Start-up: the first opener from the first draw (0: Blue's, before the
    // first board flips it), then the first empty board.
    explicit MatchRig(std::deque<std::uint32_t> draws = {}) {
        random.values = std::move(draws);
        // END reports the connection's end as the window does.
        peer.onHangUp = [this] { match.connectionLost(EndReason::HungUp); };
        match.startUp();
    }

    // Every log emptied: what follows is the test's own.
    void forget() {
        speaker.played.clear();
        peer.sent.clear();
        console.ends.clear();
        timers.asked.clear();
        settings.saves = 0;
    }

    // A game started with Play and its pause run out, Blue or Red to move
    // first, between two people unless `computer`. The logs start empty.
    void startGame(bool blueFirst = true, bool computer = false, int sizeCode = 1) {
        options.set(Setting::RedIsHuman, computer ? 0 : 1);
        options.set(Setting::SizeCode, sizeCode);
        // Play's new board flips the opener.
        if (match.blueOpens() == blueFirst) {
            for (int i = 0; i < 3; ++i)
                match.size();
        }
        match.play();
        timers.runAll();
        forget();
    }

    // A left click in the middle of cell (c, r), given as the window gives it.
    void click(int c, int r, MouseButton button = MouseButton::Left) {
        const int p = geometryForBoardSize(match.position().boardSize())->cellPitch;
        match.boardClick(button, cellOrigin(c, p) + p / 2, cellOrigin(r, p) + p / 2);
    }
    // A click, and the pause after it run out.
    void play(int c, int r) {
        click(c, r);
        timers.runAll();
    }

    // Puts pieces on the board in play as the moves of the game so far:
    // Blue's and then Red's, in the order given (a person's pieces for Red
    // unless `redSource` says otherwise). The turn goes to the side after
    // the last.
    void lay(const Cells& blue, const Cells& red, PieceSource redSource = PieceSource::RedClick) {
        std::vector<PlayedMove> moves;
        for (auto [c, r] : blue)
            moves.push_back({std::uint8_t(c), std::uint8_t(r), PieceSource::BlueClick});
        for (auto [c, r] : red)
            moves.push_back({std::uint8_t(c), std::uint8_t(r), redSource});
        lay(moves);
    }
    // The same with the moves in the order given.
    void lay(const std::vector<PlayedMove>& more) {
        std::vector<PlayedMove> moves = match.position().moves();
        moves.insert(moves.end(), more.begin(), more.end());
        match.replay(moves);
        forget();
    }

    std::uint8_t cell(int c, int r) const { return match.position().cell(c, r); }
};

}  // namespace zelvan::test

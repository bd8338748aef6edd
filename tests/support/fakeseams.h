#pragma once
// One fake for each of match control's seams (core/engine/seams.h), each
// behaving as the window's part does where the game can tell: the board
// view keeps what each cell shows, the timers run a clock the test moves on
// and never call back inside the call that asked, the peer link keeps what
// went out and drops what it cannot send, the settings sink keeps the bytes
// of the last save.

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/ai/computerplayer.h"
#include "core/engine/scores.h"
#include "core/engine/seams.h"
#include "core/engine/sound.h"
#include "core/settings/options.h"
#include "core/settings/settingscodec.h"
#include "support/listrandom.h"

namespace zelvan::test {

using Cells = std::vector<std::pair<int, int>>;

// The board picture: what each cell of the board shows now, and the frames.
class FakeBoardView final : public BoardView {
public:
    struct Shown {
        Side side;
        bool highlighted;
        friend bool operator==(const Shown&, const Shown&) = default;
    };

    int boardSize = 0;
    int pieceStyle = 1;
    int grids = 0;  // new boards drawn
    std::map<std::pair<int, int>, Shown> pieces;
    std::optional<std::pair<int, int>> blueFrame;
    std::optional<std::pair<int, int>> redFrame;
    bool blinking = false;
    int offBoardDraws = 0;  // pieces asked for outside the board: a fault

    void newBoard(int n, int style) override {
        boardSize = n;
        pieceStyle = style;
        pieces.clear();
        ++grids;
    }
    void drawPiece(Side side, int col, int row, bool highlighted) override {
        if (col < 1 || row < 1 || col > boardSize || row > boardSize) {
            ++offBoardDraws;
            return;
        }
        pieces[{col, row}] = {side, highlighted};
    }
    void markMove(Side side, int col, int row) override {
        (side == Side::Blue ? blueFrame : redFrame) = std::pair{col, row};
    }
    void forgetMarks() override {
        blueFrame.reset();
        redFrame.reset();
    }
    void setBlinking(bool on) override { blinking = on; }

    std::optional<Shown> at(int col, int row) const {
        const auto it = pieces.find({col, row});
        if (it == pieces.end()) return std::nullopt;
        return it->second;
    }
    // Every one of `cells` shows `side` with that look.
    bool show(Side side, const Cells& cells, bool highlighted) const {
        return std::all_of(cells.begin(), cells.end(), [&](const auto& c) {
            return at(c.first, c.second) == Shown{side, highlighted};
        });
    }
};

// The indicators, the cursor, the panels, the clock and the banner.
class FakeConsole final : public Console {
public:
    std::optional<bool> turnShown;  // blueToMove as the lamp shows it
    std::optional<bool> opponentShown;
    Cursor cursor = Cursor::Normal;
    int panelsHidden = 0;
    int clockStarts = 0;
    std::vector<PlayedMove> placed;  // every piece placed, in order
    std::vector<GameEnd> ends;       // every ending told, in order
    int quits = 0;

    void showTurn(bool blueToMove) override { turnShown = blueToMove; }
    void showOpponentKind(bool redIsHuman) override { opponentShown = redIsHuman; }
    void setCursor(Cursor c) override { cursor = c; }
    void hidePanels() override { ++panelsHidden; }
    void startGameClock() override { ++clockStarts; }
    void piecePlaced(const PlayedMove& move) override { placed.push_back(move); }
    void gameEnded(const GameEnd& end) override { ends.push_back(end); }
    void quit() override { ++quits; }
};

class FakeSpeaker final : public Speaker {
public:
    std::vector<std::string> played;
    void play(Sound s) override { played.push_back(soundName(s)); }
};

// The connection: what was sent, and END, which reports the connection's
// end back as the window does (onHangUp).
class FakePeerLink final : public PeerLink {
public:
    bool isConnected = false;
    bool isAccepted = false;
    bool gone = false;  // the socket layer has seen the peer go, not yet reported
    std::vector<std::string> sent;
    int hangUps = 0;
    std::function<void()> onHangUp;

    bool connected() const override { return isConnected; }
    bool accepted() const override { return isAccepted; }
    bool reachable() const override { return isConnected && !gone; }
    void send(const std::string& bytes) override {
        if (isConnected) sent.push_back(bytes);
    }
    void hangUp() override {
        if (!isConnected) return;
        ++hangUps;
        isConnected = false;
        isAccepted = false;
        if (onHangUp) onHangUp();
    }
};

// The settings file: its bytes as the last save wrote them.
class FakeSettingsFile final : public SettingsSink {
public:
    FakeSettingsFile(const Options& options, const Scores& scores)
        : options_(options), scores_(scores) {}
    int saves = 0;
    std::vector<std::uint8_t> bytes;
    void save() override {
        ++saves;
        bytes = encodeSettings(options_, scores_);
    }

private:
    const Options& options_;
    const Scores& scores_;
};

// A clock the test moves on. Continuations run in the order they fall due,
// only from advance or runAll, never inside the call that asked for them.
class FakeTimers final : public Timers {
public:
    std::int64_t now = 0;
    std::vector<unsigned> asked;  // every pause asked for, in order

    void after(unsigned ms, std::function<void()> then) override {
        asked.push_back(ms);
        pending_.push_back({now + ms, next_++, std::move(then)});
    }
    // Moves the clock on by ms; what falls due runs, and what that asks for
    // within the time runs too.
    void advance(std::int64_t ms) {
        const std::int64_t until = now + ms;
        while (runNext(until)) {
        }
        now = until;
    }
    // Runs everything asked for, however far ahead: every sequence under
    // way to its end.
    void runAll() {
        for (int guard = 0; guard < 10000 && runNext(INT64_MAX); ++guard) {
        }
    }
    std::size_t pending() const { return pending_.size(); }

private:
    struct Pending {
        std::int64_t due;
        std::uint64_t order;
        std::function<void()> then;
    };
    bool runNext(std::int64_t until) {
        auto first = std::min_element(pending_.begin(), pending_.end(), [](auto& a, auto& b) {
            return a.due != b.due ? a.due < b.due : a.order < b.order;
        });
        if (first == pending_.end() || first->due > until) return false;
        Pending p = std::move(*first);
        pending_.erase(first);
        now = std::max(now, p.due);
        p.then();
        return true;
    }

    std::vector<Pending> pending_;
    std::uint64_t next_ = 0;
};

// Numbers from a list, in order; 0 once it runs out.
class FakeRandom final : public GameRandom {
public:
    std::deque<std::uint32_t> values;
    int draws = 0;
    int reseeds = 0;
    std::uint32_t below(std::uint32_t n) override {
        ++draws;
        return nextBelow(values, n);
    }
    void reseed() override { ++reseeds; }
};

// A computer player that takes its time: it answers when the test says.
class SlowComputer final : public ComputerPlayer {
public:
    std::optional<MoveRequest> asked;
    int cancels = 0;
    void request(const MoveRequest& request, RandomSource&, Answer answer) override {
        asked = request;
        answer_ = std::move(answer);
    }
    void cancel() override {
        ++cancels;
        late = std::exchange(answer_, nullptr);
    }
    bool thinking() const { return answer_ != nullptr; }
    // The answer comes now (from the event loop, as a worker's would).
    void answer(Cell cell) {
        auto a = std::exchange(answer_, nullptr);
        if (a) a(cell);
    }
    // The answer of a cancelled request, for a test to deliver anyway: a
    // worker's answer may already be on its way when the cancel comes.
    Answer late;

private:
    Answer answer_;
};

}  // namespace zelvan::test

// Match control driven by a script of window events, reads from the peer
// (cut into messages as the socket layer cuts them, and held back while a
// PLAY's pause runs, as the network side holds them), connections made and
// lost, and time passing, so every pause can end at any moment between
// other input. After every event the game must hold together, and the
// board picture must show exactly the position.
//
// Script bytes (any other byte stands for one of these):
//   p Play        s Stop        z size         h Human/Computer
//   c col row     left click in the middle of a cell (bytes taken mod 32)
//   k x y btn     click at a pixel (x, y = byte * 9 / 4 - 8), any button
//   r len bytes   one read of len bytes from the peer
//   u / a         connected, as the caller / as the side that accepted
//   d             connection lost (held back behind reads still waiting)
//   g             the socket layer sees the peer go, and reports it later
//   t n           n * 10 ms pass: the pauses that end meanwhile run on
//   w             the computer player thinks slowly (or quickly) from now
//   x             the slow computer answers, with the look-ahead's choice
//   b blink tick (while the blink is on)  o sound on/off  l next computer level
//   U undo        q Exit

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "check.h"
#include "core/engine/board.h"
#include "core/engine/matchcontrol.h"
#include "core/protocol/receive.h"
#include "core/protocol/wire.h"
#include "support/fakeseams.h"

using namespace zelvan;
using namespace zelvan::test;

namespace {

constexpr int kMaxEvents = 300;  // keeps one input's run short

class Script {
public:
    Script(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool done() const { return pos_ >= size_; }
    std::uint8_t next() { return done() ? 0 : data_[pos_++]; }
    std::string_view bytes(std::size_t n) {
        n = std::min(n, size_ - pos_);
        const std::string_view s(reinterpret_cast<const char*>(data_ + pos_), n);
        pos_ += n;
        return s;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// What goes out reaches the peer as the very message it is, and only over
// a connection.
class CheckedPeerLink final : public PeerLink {
public:
    bool up = false;
    bool accepting = false;
    bool gone = false;
    std::function<void()> onHangUp;

    bool connected() const override { return up; }
    bool accepted() const override { return accepting; }
    bool reachable() const override { return up && !gone; }
    void send(const std::string& bytes) override {
        FUZZ_CHECK(up);
        FUZZ_CHECK(splitRead(bytes) == std::vector<std::string>{bytes});
        if (bytes.compare(0, kCommandLength, kMoveCommand) == 0)
            FUZZ_CHECK(bytes.size() == kMoveLength);
    }
    void hangUp() override {
        if (up && onHangUp) onHangUp();
    }
};

class NoSettingsFile final : public SettingsSink {
public:
    void save() override {}
};

// A fixed sequence, so a saved input replays exactly.
class XorShift final : public GameRandom {
public:
    std::uint32_t below(std::uint32_t n) override {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return n ? state_ % n : 0;
    }
    void reseed() override {}

private:
    std::uint32_t state_ = 2463534242u;
};

class Session {
public:
    Session(const std::uint8_t* data, std::size_t size) : script_(data, size) {
        peer_.onHangUp = [this] { connectionDown(EndReason::HungUp); };
        match_.onPeerInputReady([this] {
            receiver_.resume();
            deliver();
        });
        match_.startUp();
    }

    void run() {
        while (!script_.done() && console_.quits == 0 && events_ < kMaxEvents) {
            event();
            // The event loop's turn: what was posted to run at once (the
            // peer's held messages handed back) runs before further input.
            timers_.advance(0);
            check();
        }
    }

private:
    void event() {
        ++events_;
        static constexpr std::string_view kEvents = "pszhckruadgtwxbolUq";
        std::uint8_t op = script_.next();
        if (kEvents.find(static_cast<char>(op)) == std::string_view::npos)
            op = kEvents[op % kEvents.size()];
        switch (op) {
        case 'p':
            match_.play();
            break;
        case 's':
            match_.stop();
            break;
        case 'z':
            match_.size();
            break;
        case 'h':
            match_.humanComputer();
            break;
        case 'c': {
            const int col = script_.next() % 32;
            const int row = script_.next() % 32;
            const int p = geometryForBoardSize(match_.position().boardSize())->cellPitch;
            match_.boardClick(MouseButton::Left, cellOrigin(col, p) + p / 2,
                              cellOrigin(row, p) + p / 2);
            break;
        }
        case 'k': {
            const int x = script_.next() * 9 / 4 - 8;
            const int y = script_.next() * 9 / 4 - 8;
            const auto button = static_cast<MouseButton>(script_.next() % 3);
            match_.boardClick(button, x, y);
            break;
        }
        case 'r':
            if (peer_.up) {
                arrivals_.emplace_back(script_.bytes(script_.next()));
                deliver();
            }
            break;
        case 'u':
        case 'a':
            if (!peer_.up) {
                peer_.up = true;
                peer_.gone = false;
                peer_.accepting = op == 'a';
            }
            break;
        case 'd':
            if (peer_.up) {
                peer_.gone = true;
                downPending_ = true;
                deliver();
            }
            break;
        case 'g':
            if (peer_.up) peer_.gone = true;
            break;
        case 't':
            timers_.advance(script_.next() * 10);
            break;
        case 'w':
            computer_.useSlow = !computer_.useSlow;
            break;
        case 'x':
            // A worker answers what it was asked: the same choice, late.
            if (computer_.slow.thinking() && computer_.slow.asked) {
                Cell choice;
                XorShift own;
                computer_.lookAhead.request(*computer_.slow.asked, own,
                                            [&choice](Cell c) { choice = c; });
                computer_.slow.answer(choice);
            }
            break;
        case 'b':
            // The window's blink timer ticks only while it is on.
            if (board_.blinking) match_.blinkTick();
            break;
        case 'o':
            options_.flip(Setting::SoundOff);
            break;
        case 'l':
            options_.nextLevel();
            break;
        case 'U':
            match_.undo();
            break;
        case 'q':
            match_.exit();
            break;
        }
    }

    // The socket side: arrivals go over one at a time while match control
    // takes them; a connection's end is reported once what came before it
    // has been handed over.
    void deliver() {
        while (!arrivals_.empty() && !receiver_.waiting() && !match_.holdsPeerInput()) {
            const std::string next = arrivals_.front();
            arrivals_.pop_front();
            receiver_.arrive(next);
        }
        if (downPending_ && arrivals_.empty() && !receiver_.waiting() && !match_.holdsPeerInput())
            connectionDown(EndReason::ConnectionLost);
    }

    void connectionDown(EndReason why) {
        downPending_ = false;
        arrivals_.clear();
        peer_.up = false;
        peer_.accepting = false;
        peer_.gone = false;
        match_.connectionLost(why);
    }

    // The chat box shows one clean line.
    static void chatLine(const std::string& text) {
        FUZZ_CHECK(!text.empty() && text.size() <= kMaxChatText);
        for (const char c : text)
            FUZZ_CHECK(static_cast<unsigned char>(c) >= 32 && c != 127);
    }

    void check() {
        const Position& pos = match_.position();
        const int n = pos.boardSize();
        FUZZ_CHECK(geometryForBoardSize(n) != nullptr);
        FUZZ_CHECK(board_.boardSize == n);
        FUZZ_CHECK(board_.offBoardDraws == 0);
        FUZZ_CHECK(options_.sizeCode() >= 1 && options_.sizeCode() <= 3);
        int blue = 0;
        int red = 0;
        for (int c = 1; c <= n; ++c)
            for (int r = 1; r <= n; ++r) {
                const std::uint8_t v = pos.cell(c, r);
                FUZZ_CHECK(v == kNone || v == kBlue || v == kRed);
                // The picture shows exactly the position.
                const auto shown = board_.at(c, r);
                FUZZ_CHECK(shown.has_value() == (v != kNone));
                if (shown) FUZZ_CHECK(colourOf(shown->side) == v);
                blue += v == kBlue;
                red += v == kRed;
            }
        FUZZ_CHECK(pos.moveCount() == blue + red);
        const std::uint8_t w = match_.winner();
        FUZZ_CHECK(w == kNone || w == kBlue || w == kRed);
        FUZZ_CHECK(scores_.blue() >= 0 && scores_.blue() <= 9999);
        FUZZ_CHECK(scores_.red() >= 0 && scores_.red() <= 9999);
        for (const std::uint8_t h : scores_.results())
            FUZZ_CHECK(h == kNone || h == kBlue || h == kRed);
        if (match_.running()) {
            FUZZ_CHECK(w == kNone);
            // The two sides take turns.
            FUZZ_CHECK(blue - red <= 1 && red - blue <= 1);
        }
        // Nobody waits for a move that cannot come.
        if (console_.cursor == Cursor::Wait)
            FUZZ_CHECK(peer_.up || match_.step() == MatchControl::Step::ComputerThinking);
        // Only the peer's pause holds the peer's messages back.
        if (receiver_.waiting()) FUZZ_CHECK(match_.holdsPeerInput());
    }

    Options options_;
    Scores scores_;
    FakeBoardView board_;
    FakeConsole console_;
    FakeSpeaker speaker_;
    CheckedPeerLink peer_;
    NoSettingsFile settings_;
    FakeTimers timers_;
    XorShift random_;
    struct Computer final : ComputerPlayer {
        LookAheadPlayer lookAhead;
        SlowComputer slow;
        bool useSlow = false;
        // The strong levels answer later, as the window's worker does: the
        // script says when.
        void request(const MoveRequest& r, RandomSource& random, Answer answer) override {
            if (useSlow || r.level.thinksAgainstTheClock())
                slow.request(r, random, std::move(answer));
            else
                lookAhead.request(r, random, std::move(answer));
        }
        void cancel() override { slow.cancel(); }
    } computer_;
    MatchControl match_{
        options_,
        scores_,
        {board_, console_, speaker_, peer_, settings_, timers_, random_, computer_}};
    Receiver receiver_{match_, [](const std::string& text) { chatLine(text); },
                       [this] { return arrivals_.empty() ? std::string() : arrivals_.front(); }};
    std::deque<std::string> arrivals_;
    bool downPending_ = false;
    Script script_;
    int events_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Session(data, size).run();
    return 0;
}

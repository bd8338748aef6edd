// The game driven by a script of window events: reads from the peer, cut
// into messages as the socket layer cuts them, mixed with board clicks,
// Play, Stop, the size and opponent buttons, the options, the blink timer,
// connections made and lost, and Exit. An event marked '!' arrives while
// the handler before it is still running and runs at its next pump, as a
// queued event does. After every event the game record must hold together.
//
// Script bytes (any other byte stands for one of these):
//   p Play        s Stop        z size         h Human/Computer
//   c col row     left click in the middle of a cell (bytes taken mod 32)
//   k x y btn     click at a pixel (x, y = byte * 9 / 4 - 8), any button
//   r len bytes   one read of len bytes from the peer
//   u / a         connected, as the caller / as the side that accepted
//   d             connection lost        b  blink tick
//   o             sound on/off           l  next computer level
//   q             Exit
//   !             the next event arrives at the running handler's next pump

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "check.h"
#include "core/engine/board.h"
#include "core/engine/rules.h"
#include "core/protocol/dispatch.h"
#include "core/protocol/wire.h"
#include "scripthost.h"

using namespace zelvan;
using zelvan::fuzz::ScriptHost;

namespace {

constexpr int kMaxDepth = 3;     // events nested inside events
constexpr int kMaxEvents = 300;  // keeps one input's run short

class Script {
public:
    Script(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool done() const { return pos_ >= size_; }
    std::uint8_t peek() const { return done() ? 0 : data_[pos_]; }
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

// Holds whatever the record may hold at any moment, even in the middle of
// a handler.
void checkAlways(const Game& g) {
    const BoardGeometry* geo = geometryForBoardSize(g.boardSize);
    FUZZ_CHECK(geo && geo->cellPitch == g.cellPitch);
    FUZZ_CHECK(g.sizeCode >= 1 && g.sizeCode <= 3);
    for (int c = 1; c <= g.boardSize; ++c)
        for (int r = 1; r <= g.boardSize; ++r) {
            const std::uint8_t v = g.cells[cellIndex(c, r)];
            FUZZ_CHECK(v == kNone || v == kBlue || v == kRed);
            const std::uint8_t z = g.zone[cellIndex(c, r)];
            FUZZ_CHECK(z == 0 || z == kZoneMark);
        }
    FUZZ_CHECK(g.winner == kNone || g.winner == kBlue || g.winner == kRed);
    FUZZ_CHECK(g.scoreBlue >= 0 && g.scoreBlue <= 9999);
    FUZZ_CHECK(g.scoreRed >= 0 && g.scoreRed <= 9999);
    for (const std::uint8_t h : g.resultHistory)
        FUZZ_CHECK(h == kNone || h == kBlue || h == kRed);
}

// Holds once every handler has returned.
void checkSettled(const Game& g, bool exited) {
    checkAlways(g);
    FUZZ_CHECK(g.busy == 0 && g.placing == 0 && g.starting == 0 && g.turnPassing == 0);
    FUZZ_CHECK(g.exiting == (exited ? 1 : 0));
    FUZZ_CHECK(g.gameRunning <= 1 && g.blueToMove <= 1);
    if (!g.gameRunning) return;
    int blue = 0;
    int red = 0;
    for (int c = 1; c <= g.boardSize; ++c)
        for (int r = 1; r <= g.boardSize; ++r) {
            blue += g.cell(c, r) == kBlue;
            red += g.cell(c, r) == kRed;
        }
    FUZZ_CHECK(g.moveCount == blue + red);
    FUZZ_CHECK(g.winner == kNone);
    // The two sides take turns.
    FUZZ_CHECK(blue - red <= 1 && red - blue <= 1);
}

class Session {
public:
    Session(const std::uint8_t* data, std::size_t size) : script_(data, size) {
        host_.runPendingEvents = [this] { pump(); };
        host_.endConnection = [this] { hangUp(); };
        // Start-up: the defaults, then the first empty board.
        setDefaults(g_);
        init(g_, host_);
    }

    void run() {
        while (!script_.done() && !host_.quitCalled && events_ < kMaxEvents) {
            event();
            checkSettled(g_, host_.quitCalled);
        }
    }

private:
    // Events that arrived while a handler ran get their turn at its pump.
    void pump() {
        while (depth_ < kMaxDepth && script_.peek() == '!' && events_ < kMaxEvents) {
            script_.next();
            ++depth_;
            event();
            --depth_;
            checkAlways(g_);
        }
    }

    void event() {
        ++events_;
        static constexpr std::string_view kEvents = "pszhckruadbolq";
        std::uint8_t op = script_.next();
        if (op == '!') return;  // nothing is running: it arrives now
        if (kEvents.find(static_cast<char>(op)) == std::string_view::npos)
            op = kEvents[op % kEvents.size()];
        switch (op) {
        case 'p':
            playButton(g_, host_);
            break;
        case 's':
            stopButton(g_, host_);
            break;
        case 'z':
            sizeButton(g_, host_);
            break;
        case 'h':
            humanComputerButton(g_, host_);
            break;
        case 'c': {
            const int col = script_.next() % 32;
            const int row = script_.next() % 32;
            boardClick(g_, host_, MouseButton::Left,
                       cellOrigin(col, g_.cellPitch) + g_.cellPitch / 2,
                       cellOrigin(row, g_.cellPitch) + g_.cellPitch / 2);
            break;
        }
        case 'k': {
            const int x = script_.next() * 9 / 4 - 8;
            const int y = script_.next() * 9 / 4 - 8;
            const auto button = static_cast<MouseButton>(script_.next() % 3);
            boardClick(g_, host_, button, x, y);
            break;
        }
        case 'r':
            read(script_.bytes(script_.next()));
            break;
        case 'u':
            if (!g_.connected) {
                g_.acceptedPeer = 0;
                connectionUp();
            }
            break;
        case 'a':
            if (!g_.connected) {
                g_.acceptedPeer = 1;
                connectionUp();
                host_.delay(200);
            }
            break;
        case 'd':
            connectionDown();
            break;
        case 'b':
            blinkTick(g_, host_);
            break;
        case 'o':
            g_.soundOff = g_.soundOff ? 0 : 1;
            break;
        case 'l':
            g_.computerLevel = g_.computerLevel % 3 + 1;
            break;
        case 'q':
            exitSequence(g_, host_);
            break;
        }
    }

    // One read, cut as the socket layer cuts it: each message is handled
    // in turn, even when an earlier one's pumps ended the connection.
    void read(std::string_view bytes) {
        const std::string copy(bytes);
        std::string_view rest(copy);
        while (!rest.empty()) {
            const std::size_t n = firstMessageLength(rest);
            dispatchMessage(g_, host_, std::string(rest.substr(0, n)));
            rest.remove_prefix(n);
        }
    }

    void connectionUp() {
        g_.connected = 1;
        host_.processEvents();
    }

    // The window's part of a lost connection, then the game's.
    void connectionDown() {
        g_.connected = 0;
        connectionLostGame(g_, host_, EndReason::ConnectionLost);
        host_.processEvents();
        g_.acceptedPeer = 0;
    }

    void hangUp() {
        if (!g_.connected) return;
        host_.processEvents();
        connectionDown();
    }

    Game g_;
    ScriptHost host_{g_};
    Script script_;
    int depth_ = 0;
    int events_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Session(data, size).run();
    return 0;
}

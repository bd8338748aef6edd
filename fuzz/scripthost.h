#pragma once
// The window as the dispatcher harness plays it. Wherever the window lets
// pending events run (a pump, a pause, drawing the empty grid, showing a
// peer's chat line) the harness's script gets control and may run its next
// events there, nested inside the handler in progress. Everything else is
// answered as the window answers it, without a screen, and what the game
// asks to draw or send is checked on the way. This is the one place the
// harness meets the window's interface.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "check.h"
#include "core/engine/host.h"
#include "core/protocol/wire.h"

namespace zelvan::fuzz {

class ScriptHost final : public Host {
public:
    explicit ScriptHost(const Game& g) : g_(g) {}

    std::function<void()> runPendingEvents;
    std::function<void()> endConnection;  // the Internet panel's END
    bool quitCalled = false;

    void drawGrid() override {}
    void drawPiece(Side, int col, int row, bool) override { FUZZ_CHECK(g_.onBoard(col, row)); }
    void markMove(Side, int col, int row) override { FUZZ_CHECK(g_.onBoard(col, row)); }
    void forgetMarks() override {}
    void hidePanels() override {}
    void showTurn() override {}
    void showOpponentKind() override {}
    void setBlinkTimer(bool) override {}
    void startGameClock() override {}
    void playSound(Sound) override {}
    void delay(unsigned) override { runPendingEvents(); }
    void processEvents() override { runPendingEvents(); }
    void setCursor(Cursor) override {}

    // What goes out reaches the peer as the very message it is.
    void sendMessage(const std::string& bytes) override {
        FUZZ_CHECK(splitRead(bytes) == std::vector<std::string>{bytes});
        if (bytes.compare(0, kCommandLength, kMoveCommand) == 0)
            FUZZ_CHECK(bytes.size() == kMoveLength);
    }
    void hangUp() override { endConnection(); }
    // The chat box shows one clean line.
    void chatReceived(const std::string& text) override {
        FUZZ_CHECK(!text.empty() && text.size() <= kMaxChatText);
        for (const char c : text)
            FUZZ_CHECK(static_cast<unsigned char>(c) >= 32 && c != 127);
    }
    void saveSettings() override {}
    void quit() override { quitCalled = true; }
    void gameEnded(const GameEnd&) override {}
    bool peerConnected() override { return g_.connected != 0; }
    void holdSaves(bool) override {}
    void reseedRandom() override {}
    // A fixed sequence, so a saved input replays exactly.
    std::uint32_t randomBelow(std::uint32_t n) override {
        random_ ^= random_ << 13;
        random_ ^= random_ >> 17;
        random_ ^= random_ << 5;
        return n ? random_ % n : 0;
    }

private:
    const Game& g_;
    std::uint32_t random_ = 2463534242u;
};

}  // namespace zelvan::fuzz

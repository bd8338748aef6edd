#pragma once
// A host that shows, plays, sends and saves nothing and lets no events run:
// the base for running the game's rules where no window listens (the undo
// replay, benchmarks). A subclass overrides what it wants to reach.

#include "core/engine/host.h"

namespace zelvan {

class QuietHost : public Host {
public:
    void drawGrid() override {}
    void drawPiece(Side, int, int, bool) override {}
    void markMove(Side, int, int) override {}
    void forgetMarks() override {}
    void hidePanels() override {}
    void showTurn() override {}
    void showOpponentKind() override {}
    void setBlinkTimer(bool) override {}
    void startGameClock() override {}
    void playSound(Sound) override {}
    void delay(unsigned) override {}
    void processEvents() override {}
    void setCursor(Cursor) override {}
    void sendMessage(const std::string&) override {}
    void hangUp() override {}
    void chatReceived(const std::string&) override {}
    void saveSettings() override {}
    void quit() override {}
    void reseedRandom() override {}
    std::uint32_t randomBelow(std::uint32_t) override { return 0; }
    void gameEnded(const GameEnd&) override {}
    bool peerConnected() override { return false; }
    void holdSaves(bool) override {}
};

}  // namespace zelvan

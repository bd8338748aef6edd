#pragma once
// A Host that records every call as a short text ("drawPiece B 3 4 n",
// "sound BluePiece", "delay 150", ...) so tests can assert the exact order of a
// sequence. It behaves as the window does where that matters to the game:
// sounds stay silent while the game's soundOff is set, and events run (the
// hooks fire) exactly in delay, processEvents and hangUp. Hooks let a test
// inject an event inside a pause or a pump.

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/engine/host.h"
#include "support/listrandom.h"

namespace zelvan::test {

inline const char* soundName(Sound s) {
    switch (s) {
    case Sound::BluePiece:
        return "BluePiece";
    case Sound::RedPiece:
        return "RedPiece";
    case Sound::BlueWins:
        return "BlueWins";
    case Sound::RedWins:
        return "RedWins";
    case Sound::Play:
        return "Play";
    case Sound::Click:
        return "Click";
    case Sound::Exit:
        return "Exit";
    case Sound::Calling:
        return "Calling";
    case Sound::Error:
        return "Error";
    case Sound::Startup:
        return "Startup";
    }
    return "?";
}

class FakeHost : public Host {
public:
    // The game whose sound switch playSound obeys; none: sound is on.
    explicit FakeHost(const Game* game = nullptr) : game_(game) {}

    std::vector<std::string> calls;
    std::vector<std::string> sent;
    int saves = 0;
    bool peerUp = true;  // what peerConnected answers
    bool savesHeld = false;
    bool saveOwed = false;
    bool quitCalled = false;
    bool blinkTimer = false;
    Cursor cursor = Cursor::Normal;
    // Every ending reported, in order (kept apart from calls, so the
    // transcripts of sequences stay as they were).
    std::vector<GameEnd> ends;
    // Values randomBelow returns, in order; when empty it returns 0.
    std::deque<std::uint32_t> randoms;
    // Run once at the next delay / processEvents / drawGrid, then cleared.
    std::function<void()> onDelay;
    std::function<void()> onPump;
    std::function<void()> onDrawGrid;  // the window lets events run there too

    void clear() {
        calls.clear();
        sent.clear();
    }
    bool has(const std::string& c) const {
        for (const auto& x : calls)
            if (x == c) return true;
        return false;
    }
    int count(const std::string& c) const {
        int n = 0;
        for (const auto& x : calls)
            n += x == c;
        return n;
    }

    void drawGrid() override {
        calls.push_back("drawGrid");
        if (onDrawGrid) {
            auto f = std::move(onDrawGrid);
            onDrawGrid = nullptr;
            f();
        }
    }
    void drawPiece(Side s, int c, int r, bool hl) override {
        calls.push_back(std::string("drawPiece ") + (s == Side::Blue ? "B " : "R ") +
                        std::to_string(c) + " " + std::to_string(r) + (hl ? " h" : " n"));
    }
    void markMove(Side s, int c, int r) override {
        calls.push_back(std::string("markMove ") + (s == Side::Blue ? "B " : "R ") +
                        std::to_string(c) + " " + std::to_string(r));
    }
    void forgetMarks() override { calls.push_back("forgetMarks"); }
    void hidePanels() override { calls.push_back("hidePanels"); }
    void showTurn() override { calls.push_back("showTurn"); }
    void showOpponentKind() override { calls.push_back("showOpponentKind"); }
    void setBlinkTimer(bool on) override {
        blinkTimer = on;
        calls.push_back(on ? "blinkOn" : "blinkOff");
    }
    void startGameClock() override { calls.push_back("startGameClock"); }
    void playSound(Sound s) override {
        if (game_ && game_->soundOff) return;
        calls.push_back(std::string("sound ") + soundName(s));
    }
    void delay(unsigned ms) override {
        calls.push_back("delay " + std::to_string(ms));
        if (onDelay) {
            auto f = std::move(onDelay);
            onDelay = nullptr;
            f();
        }
    }
    void processEvents() override {
        calls.push_back("pump");
        if (onPump) {
            auto f = std::move(onPump);
            onPump = nullptr;
            f();
        }
    }
    void setCursor(Cursor c) override {
        cursor = c;
        calls.push_back(c == Cursor::Wait ? "cursor wait" : "cursor normal");
    }
    void sendMessage(const std::string& bytes) override {
        sent.push_back(bytes);
        calls.push_back("send " + bytes);
    }
    // The window's END lets the socket layer's events run.
    void hangUp() override {
        calls.push_back("hangUp");
        processEvents();
    }
    void chatReceived(const std::string& text) override { calls.push_back("chat " + text); }
    void saveSettings() override {
        if (savesHeld) {
            saveOwed = true;
            return;
        }
        ++saves;
        calls.push_back("save");
    }
    void quit() override {
        quitCalled = true;
        calls.push_back("quit");
    }
    void reseedRandom() override { calls.push_back("reseed"); }
    std::uint32_t randomBelow(std::uint32_t n) override { return nextBelow(randoms, n); }
    bool peerConnected() override { return peerUp; }
    void holdSaves(bool held) override {
        savesHeld = held;
        if (!held && std::exchange(saveOwed, false)) saveSettings();
    }
    void gameEnded(const GameEnd& end) override { ends.push_back(end); }

private:
    const Game* game_;
};

}  // namespace zelvan::test

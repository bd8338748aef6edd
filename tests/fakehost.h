#pragma once
// A Host that records every call as a short text ("drawPiece B 3 4 n",
// "sound Piesa", "delay 150", ...) so tests can assert the exact order of a
// sequence. Hooks let a test inject an event inside a pause or a pump.

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "engine/host.h"

namespace zelvan::test {

inline const char* soundName(Sound s) {
    switch (s) {
    case Sound::Piesa:
        return "Piesa";
    case Sound::PiesaAdv:
        return "PiesaAdv";
    case Sound::Succes:
        return "Succes";
    case Sound::Lose:
        return "Lose";
    case Sound::ButonMare:
        return "ButonMare";
    case Sound::Bmic:
        return "Bmic";
    case Sound::Boff:
        return "Boff";
    case Sound::Scall:
        return "Scall";
    case Sound::Eroare:
        return "Eroare";
    case Sound::T1:
        return "T1";
    }
    return "?";
}

class FakeHost : public Host {
public:
    std::vector<std::string> calls;
    std::vector<std::string> sent;
    int saves = 0;
    bool quitCalled = false;
    bool blinkTimer = false;
    Cursor cursor = Cursor::Normal;
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
    void playSound(Sound s) override { calls.push_back(std::string("sound ") + soundName(s)); }
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
    void hangUp() override { calls.push_back("hangUp"); }
    void chatReceived(const std::string& text) override { calls.push_back("chat " + text); }
    void saveSettings() override {
        ++saves;
        calls.push_back("save");
    }
    void quit() override {
        quitCalled = true;
        calls.push_back("quit");
    }
    void reseedRandom() override { calls.push_back("reseed"); }
    std::uint32_t randomBelow(std::uint32_t n) override {
        std::uint32_t v = 0;
        if (!randoms.empty()) {
            v = randoms.front();
            randoms.pop_front();
        }
        return n ? v % n : 0;
    }
};

}  // namespace zelvan::test

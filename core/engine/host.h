#pragma once
// What the game asks of the window around it. The main window implements
// this with real painting, sockets and sound; tests use a recording fake
// that behaves the same way.
//
// Why events run in the middle of the game's sequences: the program has one
// thread, and its pauses (a sound finishing, the peer being given time to
// answer) must keep the window alive, so the window goes on painting and
// answering clicks, timers and sockets while a sequence waits. Only three
// calls let other handlers run: delay(), processEvents() and hangUp(). Every
// other call returns without running anything else, so between two of those
// three the game record changes only by the caller's own hand; after one of
// them a sequence must check that its game is still the one it started (the
// guards in Game: placing, starting, exiting, boardSerial, ...).

#include <cstdint>
#include <string>

#include "core/engine/game.h"
#include "core/engine/sound.h"

namespace zelvan {

enum class Cursor : std::uint8_t { Normal, Wait };

class Host {
public:
    virtual ~Host() = default;

    // The board picture.
    virtual void drawGrid() = 0;  // empty board for boardSize/cellPitch
    virtual void drawPiece(Side side, int col, int row, bool highlighted) = 0;
    virtual void markMove(Side side, int col, int row) = 0;
    virtual void forgetMarks() = 0;

    // Panels, indicators and timers.
    virtual void hidePanels() = 0;  // help viewer, options panel, Internet panel
    virtual void showTurn() = 0;
    virtual void showOpponentKind() = 0;
    virtual void setBlinkTimer(bool enabled) = 0;
    virtual void startGameClock() = 0;  // the game clock counts from now

    // Sound, time and input.
    // Plays an effect, cutting off the one that plays, unless the player
    // turned sound off (soundOff); a pause after a sound is the caller's.
    virtual void playSound(Sound sound) = 0;
    virtual void delay(unsigned ms) = 0;  // pause; other handlers run meanwhile
    virtual void processEvents() = 0;     // lets pending events run
    virtual void setCursor(Cursor cursor) = 0;

    // The world outside.
    virtual void sendMessage(const std::string& bytes) = 0;
    // The Internet panel's END: closes the connection and lets events run
    // while the socket layer reports it.
    virtual void hangUp() = 0;
    virtual void chatReceived(const std::string& text) = 0;  // a peer's chat line
    virtual void saveSettings() = 0;
    virtual void quit() = 0;  // end the event loop
    virtual void reseedRandom() = 0;
    virtual std::uint32_t randomBelow(std::uint32_t n) = 0;  // uniform in 0..n-1
};

}  // namespace zelvan

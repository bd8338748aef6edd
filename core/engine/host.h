#pragma once
// What the game asks of the window around it. The main window implements
// this with real painting, sockets and sound; tests use a recording fake.

#include <cstdint>
#include <string>

#include "core/engine/game.h"

namespace zelvan {

enum class Sound : std::uint8_t {
    BluePiece,  // Blue's piece
    RedPiece,   // Red's piece
    BlueWins,   // Blue won
    RedWins,    // Red won
    Play,       // Play
    Click,      // small buttons
    Exit,       // Exit
    Calling,    // calling
    Error,      // error
    Startup,    // start-up, on the splash window
};

enum class Cursor : std::uint8_t { Normal, Wait };

class Host {
public:
    virtual ~Host() = default;

    // The board picture.
    virtual void drawGrid() = 0;  // empty board for boardSize/cellPitch; lets events run
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
    virtual void playSound(Sound sound) = 0;  // callers test soundOff first
    virtual void delay(unsigned ms) = 0;      // pause, window stays alive
    virtual void processEvents() = 0;         // let pending events run
    virtual void setCursor(Cursor cursor) = 0;

    // The world outside.
    virtual void sendMessage(const std::string& bytes) = 0;
    virtual void hangUp() = 0;                               // the Internet panel's END
    virtual void chatReceived(const std::string& text) = 0;  // a peer's chat line
    virtual void saveSettings() = 0;
    virtual void quit() = 0;  // end the event loop
    virtual void reseedRandom() = 0;
    virtual std::uint32_t randomBelow(std::uint32_t n) = 0;  // uniform in 0..n-1

    // Added for a peer under stress.
    // The peer's connection as the socket layer knows it: a disconnect it
    // has seen but not yet reported (reports wait while a read is handled)
    // counts as down.
    virtual bool peerConnected() = 0;
    // While held, saveSettings only notes that the file is out of date;
    // letting go writes it once if so.
    virtual void holdSaves(bool held) = 0;
};

}  // namespace zelvan

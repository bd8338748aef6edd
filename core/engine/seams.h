#pragma once
// What match control asks of the world around it, one small interface per
// job. The main window implements them with painting, sockets, files and Qt
// timers; tests use one fake of each (tests/support) that behaves the same
// way. None of them runs other input while it is called (only hangUp
// reports the connection's end on its way back): a call returns having done
// its one thing, and whatever happens later (a timer, a message) comes back
// as a call into match control of its own.

#include <cstdint>
#include <functional>
#include <string>

#include "core/ai/randomsource.h"
#include "core/engine/gameend.h"
#include "core/engine/pieces.h"

namespace zelvan {

// The board picture.
class BoardView {
public:
    virtual ~BoardView() = default;
    // An empty board of n cells a side; the pieces drawn next take the
    // style given.
    virtual void newBoard(int boardSize, int pieceStyle) = 0;
    virtual void drawPiece(Side side, int col, int row, bool highlighted) = 0;
    // That side's last-move frame moves to (col, row).
    virtual void markMove(Side side, int col, int row) = 0;
    virtual void forgetMarks() = 0;
    // The winning line's blink: a tick every second while on (blinkTick).
    virtual void setBlinking(bool on) = 0;
};

enum class Cursor : std::uint8_t { Normal, Wait };

// The rest of the window: the indicators beside the board, the panels over
// it, the cursor, and the words that tell the player how a game ended.
class Console {
public:
    virtual ~Console() = default;
    virtual void showTurn(bool blueToMove) = 0;
    virtual void showOpponentKind(bool redIsHuman) = 0;
    virtual void setCursor(Cursor cursor) = 0;
    virtual void hidePanels() = 0;      // help, options and Internet
    virtual void startGameClock() = 0;  // the game clock counts from now
    // A piece of the game in play has been placed (a replay's are not): the
    // newest of the position's moves.
    virtual void piecePlaced(const PlayedMove& move) = 0;
    // A game has ended: won, drawn or abandoned; once per game, after it
    // has been scored.
    virtual void gameEnded(const GameEnd& end) = 0;
    virtual void quit() = 0;  // the program ends
};

// The connection to the other copy, as the socket side knows it.
class PeerLink {
public:
    virtual ~PeerLink() = default;
    virtual bool connected() const = 0;
    // This side accepted the call: in a network game only the caller starts games.
    virtual bool accepted() const = 0;
    // Connected, and the socket layer has seen no disconnect it has yet to
    // report (reports wait behind the messages that came before them).
    virtual bool reachable() const = 0;
    virtual void send(const std::string& bytes) = 0;
    // The Internet panel's END: the connection closes, and its end is
    // reported back (MatchControl::connectionLost) before this returns.
    virtual void hangUp() = 0;
};

// The settings file.
class SettingsSink {
public:
    virtual ~SettingsSink() = default;
    virtual void save() = 0;  // writes the options and scores as they are now
};

// Pauses that keep the window alive: `then` runs once, `ms` milliseconds
// from now, from the event loop; never inside the call that asked for it.
class Timers {
public:
    virtual ~Timers() = default;
    virtual void after(unsigned ms, std::function<void()> then) = 0;
};

// The game's own random numbers: each new board starts them afresh.
class GameRandom : public RandomSource {
public:
    virtual void reseed() = 0;
};

}  // namespace zelvan

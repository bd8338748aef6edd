#pragma once
// The computer player behind the brain program's protocol: the session
// mirrors every stone into it and asks it for its own move. One
// implementation per kind of player (the game's three levels, the strong
// engine, the benchmarks' greedy bot), so the protocol is written once.

#include <cstddef>

#include "core/gomocup/limits.h"

namespace zelvan::gomocup {

// A cell, 1-based: column from the left, row from the top. {0, 0} is none.
struct Point {
    int col = 0;
    int row = 0;
    bool valid() const { return col > 0 && row > 0; }
    friend bool operator==(const Point&, const Point&) = default;
};

// Whose stone: this program's or the other side's.
enum class Side { Own, Opponent };

class BrainPlayer {
public:
    virtual ~BrainPlayer() = default;

    // The largest board it plays (the smallest is five cells a side).
    virtual int largestBoard() const = 0;

    // A new, empty game on a boardSize x boardSize board: whatever the player
    // draws once per game is drawn here.
    virtual void newGame(int boardSize) = 0;

    // Which side placed the first stone of this game. Told while the board
    // is empty, before the stones of the game arrive.
    virtual void setOpener(Side opener) = 0;

    // The session has checked the cell: on the board and empty (place), or
    // holding a stone (takeBack).
    virtual void place(Point p, Side side) = 0;
    virtual void takeBack(Point p) = 0;

    // This side's move: an empty cell, or none on a full board. A player
    // that thinks against the clock keeps within what `clock` allows. The
    // session places the move afterwards.
    virtual Point choose(const ClockInfo& clock) = 0;

    // The memory the whole program may use, in bytes (0: no limit).
    virtual void setMemoryLimit(std::size_t bytes) = 0;
};

}  // namespace zelvan::gomocup

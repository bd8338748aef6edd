#pragma once
// A game's stones kept on an engine between thinks. The engine is made once
// (its table is large) and told each move's difference: the stones it holds
// that the game still has stay, the rest are taken back, the game's new ones
// placed. Also the side mapping every caller shares: the side that placed a
// game's first stone is First.

#include <span>
#include <vector>

#include "core/ai/strong/engine.h"

namespace zelvan::strong {

// First for the side that opened the game, Second for the other.
inline Stone stoneOf(bool openedTheGame) {
    return openedTheGame ? Stone::First : Stone::Second;
}

struct Placed {
    Point at;
    Stone stone = Stone::None;
    friend bool operator==(const Placed&, const Placed&) = default;
};

class MirroredBoard {
public:
    // Brings the engine's board to `stones` (in the order played) on a board
    // of `boardSize`. A new size starts a new game on the engine; otherwise
    // the stones both share from the first on stay put, so the table's
    // entries for them stay useful.
    void follow(Engine& engine, int boardSize, std::span<const Placed> stones);

private:
    int boardSize_ = 0;  // none yet
    std::vector<Placed> held_;
};

}  // namespace zelvan::strong

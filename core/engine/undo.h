#pragma once
// Taking moves back: how many of the moves played one press takes back.
// Match control rebuilds the position from the moves kept.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/engine/pieces.h"

namespace zelvan {

enum class UndoOutcome : std::uint8_t {
    Undone,       // moves were taken back
    NetworkGame,  // refused: the peer's board could not follow
    Refused,      // no game, none of this game's own moves to take back, or a sequence under way
};

// Against the computer, its answers after Blue's last move and that move,
// so Blue is to move again; between two people at this machine, the last
// piece. 0 when there is nothing to take back (a computer opening alone stays).
std::size_t movesToTakeBack(const std::vector<PlayedMove>& moves, bool redIsHuman);

}  // namespace zelvan

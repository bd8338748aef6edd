#pragma once
// Taking moves back. The board in play is cleared and the moves kept are
// placed again from the first, through the same placement as in play, so the
// record ends exactly as if the moves taken back had never been played.

#include <cstdint>

#include "core/engine/game.h"
#include "core/engine/host.h"

namespace zelvan {

enum class UndoOutcome : std::uint8_t {
    Undone,       // moves were taken back
    NetworkGame,  // refused: the peer's board could not follow
    Refused,      // no game running, nothing to take back, or another handler is under way
};

// Against the computer, its last answer and Blue's move before it, so Blue
// is to move again; between two people at this machine, the last piece.
// The pieces played again make no sound, wait for nothing and send nothing;
// the board picture is drawn afresh. Scores are never touched.
UndoOutcome undoMove(Game& g, Host& host);

}  // namespace zelvan

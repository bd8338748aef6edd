#pragma once
// The hint for Blue: the cell the computer player would take at the hint's
// level if it played Blue's pieces.

#include "core/ai/randomsource.h"
#include "core/ai/searches.h"
#include "core/engine/position.h"

namespace zelvan {

// The computer player's choice on a copy of the position with the colours
// swapped: the hint level's look-ahead, the full attack, every piece's zone
// marked, the move numbered as the next of the game. Whether a hint may be
// asked for now is match control's to say (MatchControl::mayHint). The
// position is only read; the random numbers come from `random`, so the
// game's own sequence is left alone.
Cell hintMove(const Position& g, RandomSource& random);

}  // namespace zelvan

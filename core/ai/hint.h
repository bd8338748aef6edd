#pragma once
// The hint for Blue: the cell the computer player would take at the hard
// level if it played Blue's pieces.

#include "core/ai/randomsource.h"
#include "core/ai/searches.h"
#include "core/engine/game.h"

namespace zelvan {

// While Blue is to move in a running game at this machine (no other handler
// under way), the computer player's choice on a copy of the position with
// the colours swapped: hard level, the full attack, every piece's zone
// marked, the move counted as the computer counts its own. Otherwise no
// cell. The record is only read; the random numbers come from `random`, so
// the game's own sequence is left alone.
Cell hintMove(const Game& g, RandomSource& random);

}  // namespace zelvan

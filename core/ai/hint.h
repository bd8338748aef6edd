#pragma once
// Blue's move as the look-ahead would choose it: the hard level's choice if
// it played Blue's pieces. The hint key asks the hint level through the
// engine (engineplayer.h); this quick and repeatable choice plays Blue in
// the scripted games of tools and benchmarks.

#include "core/ai/randomsource.h"
#include "core/ai/searches.h"
#include "core/engine/position.h"

namespace zelvan {

// The computer player's choice on a copy of the position with the colours
// swapped: the hard look-ahead, the full attack, every piece's zone marked,
// the move numbered as the next of the game. The position is only read; the
// random numbers come from `random`, so the game's own sequence is left
// alone.
Cell blueLookAheadMove(const Position& g, RandomSource& random);

}  // namespace zelvan

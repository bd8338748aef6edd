#pragma once
// Which cell the computer plays: a fixed opening, a fixed first reply, or,
// from its second piece on, two look-aheads that decide between attacking
// and defending.

#include "core/ai/scanorder.h"
#include "core/ai/searches.h"
#include "core/engine/game.h"

namespace zelvan {

// The first empty zone cell, in fixed order, with a piece of either colour
// among its eight neighbours.
Cell firstReply(const Game& g);

// The cell for Red's move numbered moveCount (already counted). Runs the
// look-ahead on the board itself and restores cells and zone afterwards;
// random-order searches take their directions from `draw`.
Cell chooseMove(Game& g, ScanDraw& draw);

}  // namespace zelvan

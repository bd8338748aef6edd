#pragma once
// Which cell the computer plays: a fixed opening, a fixed first reply, or,
// from its second piece on, two look-aheads that decide between attacking
// and defending.

#include "core/ai/randomsource.h"
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

// The computer player's decision, and all of it: the cell Red plays for its
// move numbered moveCount (already counted), or none on a position a game
// never reaches. The record is left as it is; every random number comes from
// `random`, two draws per random-order scan. Placing the piece is the
// caller's business.
Cell decideMove(const Game& g, RandomSource& random);

}  // namespace zelvan

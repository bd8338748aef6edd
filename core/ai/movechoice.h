#pragma once
// Which cell the computer plays: a fixed opening, a fixed first reply, or,
// from its second piece on, two look-aheads that decide between attacking
// and defending.

#include "core/ai/randomsource.h"
#include "core/ai/scanorder.h"
#include "core/ai/searches.h"
#include "core/engine/position.h"

namespace zelvan {

// How the computer plays one move.
struct MoveStyle {
    // The number Red's move will have in the game, counting both colours
    // from 1: the first opens in the middle, the second takes the first
    // reply, the later ones look ahead.
    int moveNumber = 1;
    int lookAheadCycles = 3;
    // The whole game's attacking style: the plain attack leaves out the
    // shapes and the threat test on follow-up cells.
    bool plainAttack = false;
};

// The first empty zone cell, in fixed order, with a piece of either colour
// among its eight neighbours.
Cell firstReply(const Position& g);

// The cell Red plays. Runs the look-ahead on `g` itself, which ends as it
// began; random-order searches take their directions from `draw`.
Cell chooseMove(Position& g, const MoveStyle& style, ScanDraw& draw);

// The computer player's decision, and all of it: the cell Red plays, or
// none on a position a game never reaches. The position is only read; every
// random number comes from `random`, two draws per random-order scan.
Cell decideMove(const Position& g, const MoveStyle& style, RandomSource& random);

}  // namespace zelvan

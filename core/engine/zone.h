#pragma once
// The computer player's candidate cells: the zone around every piece a game
// places. A board rule of its own, so the computer player can mark zones in
// its look-ahead without reaching the window around the game.

#include "core/engine/game.h"

namespace zelvan {

// Every cell of the board in play within four columns and four rows of
// (col, row) gets zone kZoneMark.
void markZone(Game& g, int col, int row);

}  // namespace zelvan

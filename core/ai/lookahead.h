#pragma once
// The look-ahead: the game played forward a few cycles on the board itself,
// Red by its deterministic attack and Blue either blocking Red's most
// dangerous point or building its own threats, to see whether Blue would
// complete five. The caller saves the board before and restores it after.

#include "core/engine/game.h"

namespace zelvan {

// Cycles per look-ahead: easy 2, medium 3, hard 5; any other level none.
int lookAheadCycles(int computerLevel);

// Copy cells and zone of the board in play to the saved copies and back.
void saveBoard(Game& g);
void restoreBoard(Game& g);

// Each returns planSafe: false when the look-ahead saw Blue complete five.
// They leave simulated pieces and zone marks on the board and change
// nothing else of the record.
bool simulateBlock(Game& g);
bool simulateAttack(Game& g);

}  // namespace zelvan

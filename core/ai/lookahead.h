#pragma once
// The look-ahead: the game played forward a few cycles on a position, Red by
// its deterministic attack and Blue either blocking Red's most dangerous
// point or building its own threats, to see whether Blue would complete five.

#include "core/engine/position.h"

namespace zelvan {

// Each returns planSafe: false when the look-ahead saw Blue complete five
// within `cycles` cycles. They leave the simulated pieces and their zone
// marks on the position (the caller plays on a copy) and count no moves.
bool simulateBlock(Position& g, int cycles);
bool simulateAttack(Position& g, int cycles);

}  // namespace zelvan

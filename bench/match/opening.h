#pragma once
// The short random opening a pair of games starts from: a few stones near
// the centre, Black and White alternately, so neither side has more than
// two and the position is open for both. Each program plays it once as
// Black and once as White.

#include <cstdint>
#include <vector>

#include "bench/match/referee.h"

namespace zelvan::match {

inline constexpr int kFewestOpeningStones = 2;
inline constexpr int kMostOpeningStones = 4;
inline constexpr int kOpeningReach = 2;  // cells from the centre, either way

// The stones in the order played, Black's first. The same seed gives the
// same opening.
std::vector<Move> randomOpening(int boardSize, std::uint64_t seed);

}  // namespace zelvan::match

#include "bench/match/opening.h"

#include <algorithm>
#include <random>

namespace zelvan::match {

std::vector<Move> randomOpening(int boardSize, std::uint64_t seed) {
    std::mt19937_64 random(seed);
    auto draw = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    const int count = draw(kFewestOpeningStones, kMostOpeningStones);
    const int centre = boardSize / 2;
    std::vector<Move> stones;
    while (static_cast<int>(stones.size()) < count) {
        const Move m{centre + draw(-kOpeningReach, kOpeningReach),
                     centre + draw(-kOpeningReach, kOpeningReach)};
        if (std::find(stones.begin(), stones.end(), m) == stones.end()) stones.push_back(m);
    }
    return stones;
}

}  // namespace zelvan::match

#pragma once
// What the strong engine's benchmarks share when they play games: a small
// random source for their openings, and the referee's check for a win.

#include <cstdint>

#include "core/ai/strong/engine.h"

namespace zelvan::strong::bench {

// The next number of a splitmix64 sequence kept in `state`.
inline std::uint64_t splitMix(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// Whether the stone at `p` stands in five or more in a row.
inline bool makesFive(const Engine& e, Point p) {
    const Stone s = e.at(p);
    static constexpr int kDirs[4][2] = {{1, 0}, {0, 1}, {1, 1}, {1, -1}};
    for (const auto& d : kDirs) {
        int run = 1;
        for (int sign : {-1, 1})
            for (int k = 1; e.at({p.col + sign * k * d[0], p.row + sign * k * d[1]}) == s; ++k)
                ++run;
        if (run >= 5) return true;
    }
    return false;
}

}  // namespace zelvan::strong::bench

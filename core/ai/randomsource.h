#pragma once
// Where the computer player takes its random numbers from: the game passes
// its own generator, tests and the benchmark pass fixed sequences.

#include <cstdint>

namespace zelvan {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual std::uint32_t below(std::uint32_t n) = 0;  // uniform in 0..n-1
};

}  // namespace zelvan

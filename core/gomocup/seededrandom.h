#pragma once
// A random source from a 64-bit seed: the same seed, the same numbers.

#include <cstdint>
#include <random>

#include "core/ai/randomsource.h"

namespace zelvan::gomocup {

class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
    std::uint32_t below(std::uint32_t n) override {
        return n == 0 ? 0 : std::uniform_int_distribution<std::uint32_t>(0, n - 1)(engine_);
    }

private:
    std::mt19937_64 engine_;
};

}  // namespace zelvan::gomocup

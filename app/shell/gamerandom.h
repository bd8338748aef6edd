#pragma once
// The game's random numbers: a generator seeded from the clock at every new
// board, or the numbers a test gives.

#include <cstdint>
#include <functional>
#include <random>

#include "core/engine/seams.h"

namespace zelvan {

class ClockSeededRandom final : public GameRandom {
public:
    // `given`, when set, answers every draw instead.
    explicit ClockSeededRandom(std::function<std::uint32_t(std::uint32_t)> given = {});

    std::uint32_t below(std::uint32_t n) override;
    void reseed() override;

private:
    std::function<std::uint32_t(std::uint32_t)> given_;
    std::mt19937 rng_;
};

}  // namespace zelvan

#include "app/shell/gamerandom.h"

#include <chrono>

namespace zelvan {

ClockSeededRandom::ClockSeededRandom(std::function<std::uint32_t(std::uint32_t)> given)
    : given_(std::move(given)) {}

std::uint32_t ClockSeededRandom::below(std::uint32_t n) {
    if (n == 0) return 0;
    if (given_) return given_(n);
    return std::uniform_int_distribution<std::uint32_t>(0, n - 1)(rng_);
}

void ClockSeededRandom::reseed() {
    rng_.seed(
        static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

}  // namespace zelvan

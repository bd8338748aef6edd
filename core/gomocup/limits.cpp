#include "core/gomocup/limits.h"

#include <algorithm>

namespace zelvan::gomocup {

std::int64_t safetyMargin(std::int64_t limit) {
    return 30 + std::max<std::int64_t>(limit, 0) / 20;
}

std::chrono::milliseconds thinkBudget(std::chrono::milliseconds levelBudget,
                                      const ClockInfo& clock) {
    std::int64_t budget = levelBudget.count();
    if (clock.turnLimit) {
        const std::int64_t turn = *clock.turnLimit;
        budget = std::min(budget, turn <= 0 ? 0 : turn - safetyMargin(turn));
    }
    // Managers with a match clock send time_left before every move; before
    // the first one the whole match is left.
    std::optional<std::int64_t> left = clock.timeLeft;
    if (!left && clock.matchLimit && *clock.matchLimit > 0) left = clock.matchLimit;
    if (left && *left < kUnlimitedTime) {
        const std::int64_t share = *left / kMovesToPlan;
        budget = std::min({budget, share, *left - safetyMargin(*left)});
    }
    return std::chrono::milliseconds(std::max(budget, kQuickestMove.count()));
}

std::size_t tableBytes(std::uint64_t memoryLimit, std::size_t largest) {
    constexpr std::size_t kSmallest = std::size_t{1} << 20;
    if (memoryLimit == 0) return largest;
    const std::uint64_t half = std::max<std::uint64_t>(memoryLimit / 2, kSmallest);
    return static_cast<std::size_t>(std::min<std::uint64_t>(half, largest));
}

}  // namespace zelvan::gomocup

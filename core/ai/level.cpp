#include "core/ai/level.h"

#include <array>

#include "core/ai/strong/engine.h"

namespace zelvan {

namespace {

// The strong levels' budgets are the engine's own, which the brain program
// reads too.
constexpr int milliseconds(std::chrono::milliseconds budget) {
    return static_cast<int>(budget.count());
}

constexpr std::array<Level, 5> kLevels = {{
    {1, "easy", 2, 0},
    {2, "medium", 3, 0},
    {3, "hard", 5, 0},
    {strong::kStrongLevel, "strong", 0, milliseconds(strong::kStrongBudget)},
    {strong::kMasterLevel, "master", 0, milliseconds(strong::kMasterBudget)},
}};

constexpr std::uint8_t kHintLevelNumber = strong::kMasterLevel;

}  // namespace

std::span<const Level> levels() {
    return kLevels;
}

const Level* findLevel(int number) {
    for (const Level& l : kLevels)
        if (l.number == number) return &l;
    return nullptr;
}

const Level& defaultLevel() {
    return *findLevel(kDefaultLevelNumber);
}

const Level& nextLevel(const Level& level) {
    for (std::size_t i = 0; i + 1 < kLevels.size(); ++i)
        if (kLevels[i] == level) return kLevels[i + 1];
    return kLevels.front();
}

const Level& hintLevel() {
    return *findLevel(kHintLevelNumber);
}

std::string levelLine(const Level& level) {
    return std::to_string(level.number) + " - " + std::string(level.name);
}

}  // namespace zelvan

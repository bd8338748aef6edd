// The computer's levels: one table, read by the look-ahead, the strong
// engine's budgets, the options panel's line and the settings file's
// sanitiser.

#include <gtest/gtest.h>

#include "core/ai/level.h"

using namespace zelvan;

TEST(Levels, NumbersNamesLookAheadsAndBudgets) {
    struct Row {
        int number;
        const char* line;
        int cycles;
        int budgetMs;
    };
    const Row rows[] = {{1, "1 - easy", 2, 0},
                        {2, "2 - medium", 3, 0},
                        {3, "3 - hard", 5, 0},
                        {4, "4 - strong", 0, 300},
                        {5, "5 - master", 0, 1000}};
    ASSERT_EQ(levels().size(), std::size(rows));
    for (const Row& row : rows) {
        const Level* level = findLevel(row.number);
        ASSERT_NE(level, nullptr) << row.number;
        EXPECT_EQ(levelLine(*level), row.line);
        EXPECT_EQ(level->lookAheadCycles, row.cycles);
        EXPECT_EQ(level->budgetMs, row.budgetMs);
        EXPECT_EQ(level->thinksAgainstTheClock(), row.cycles == 0);
    }
    for (int stored : {0, 6, 255})
        EXPECT_EQ(findLevel(stored), nullptr) << stored;
    EXPECT_EQ(defaultLevel().number, 2);
    EXPECT_EQ(hintLevel().number, 5);
}

TEST(Levels, TheOptionsButtonStepsThroughThemAndWraps) {
    std::vector<int> seen;
    const Level* level = &levels().front();
    for (std::size_t i = 0; i <= levels().size(); ++i) {
        seen.push_back(level->number);
        level = &nextLevel(*level);
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5, 1}));
}

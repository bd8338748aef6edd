// The computer's levels: one table, read by the look-ahead, the options
// panel's line and the settings file's sanitiser.

#include <gtest/gtest.h>

#include "core/ai/level.h"

using namespace zelvan;

TEST(Levels, NumbersNamesAndLookAheads) {
    struct Row {
        int number;
        const char* line;
        int cycles;
    };
    const Row rows[] = {{1, "1 - easy", 2}, {2, "2 - medium", 3}, {3, "3 - hard", 5}};
    ASSERT_EQ(levels().size(), std::size(rows));
    for (const Row& row : rows) {
        const Level* level = findLevel(row.number);
        ASSERT_NE(level, nullptr) << row.number;
        EXPECT_EQ(levelLine(*level), row.line);
        EXPECT_EQ(level->lookAheadCycles, row.cycles);
    }
    for (int stored : {0, 4, 255})
        EXPECT_EQ(findLevel(stored), nullptr) << stored;
    EXPECT_EQ(defaultLevel().number, 2);
    EXPECT_EQ(hintLevel().number, 3);
}

TEST(Levels, TheOptionsButtonStepsThroughThemAndWraps) {
    std::vector<int> seen;
    const Level* level = &levels().front();
    for (std::size_t i = 0; i <= levels().size(); ++i) {
        seen.push_back(level->number);
        level = &nextLevel(*level);
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 1}));
}

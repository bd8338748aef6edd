#include <gtest/gtest.h>

#include "core/gomocup/fields.h"
#include "core/gomocup/limits.h"

using namespace zelvan::gomocup;
using std::chrono::milliseconds;

TEST(ThinkBudget, TheLevelsBudgetCutByTheManagersClocks) {
    constexpr auto none = std::nullopt;
    struct Case {
        std::optional<std::int64_t> turn, match, left;
        long long level, expected;
    } cases[] = {
        {none, none, none, 1000, 1000},            // nothing said: the level's own
        {5000, none, none, 1000, 1000},            // a long turn limit changes nothing
        {1000, none, none, 1000, 1000 - 30 - 50},  // less the margin
        {200, none, none, 300, 200 - 30 - 10},     // a short one wins
        {0, none, none, 300, 10},                  // as fast as possible
        {20, none, none, 300, 10},                 // never below the quickest
        {none, 0, none, 1000, 1000},               // no match clock
        {none, 10000, none, 1000, 10000 / 25},     // before the first time_left
        {none, 10000, 2147483647, 1000, 1000},     // time_left says unlimited
        {none, none, 5000, 1000, 5000 / 25},       // a share of what is left
        {none, none, 60000, 1000, 1000},           // plenty left
        {none, none, -300, 1000, 10},              // already over
        {1000, none, 10000, 1000, 400},            // the tighter of the two
    };
    for (const Case& c : cases) {
        const ClockInfo clock{c.turn, c.match, c.left};
        EXPECT_EQ(thinkBudget(milliseconds(c.level), clock).count(), c.expected)
            << c.turn.value_or(-1) << " " << c.match.value_or(-1) << " " << c.left.value_or(-1);
    }
}

TEST(TableBytes, HalfTheMemoryWithinBounds) {
    constexpr std::size_t MiB = std::size_t{1} << 20;
    EXPECT_EQ(tableBytes(0, 64 * MiB), 64 * MiB);
    EXPECT_EQ(tableBytes(350'000'000, 64 * MiB), 64 * MiB);
    EXPECT_EQ(tableBytes(70 * MiB, 64 * MiB), 35 * MiB);
    EXPECT_EQ(tableBytes(1000, 64 * MiB), MiB);
    EXPECT_EQ(tableBytes(~std::uint64_t{0}, 64 * MiB), 64 * MiB);
}

TEST(Fields, DecimalsAndCommas) {
    EXPECT_EQ(decimal("0"), 0);
    EXPECT_EQ(decimal("-12"), -12);
    EXPECT_EQ(decimal("9223372036854775807"), INT64_MAX);
    for (const char* bad : {"", "-", "+1", " 1", "1 ", "1.5", "0x10", "9223372036854775808", "1e3"})
        EXPECT_FALSE(decimal(bad)) << bad;
    EXPECT_EQ(commaFields(" 1 , 2,,x "), (std::vector<std::string_view>{"1", "2", "", "x"}));
    EXPECT_EQ(commaFields(""), std::vector<std::string_view>{""});
    EXPECT_EQ(quoted("ab\ncd", 3), "ab?...");
}

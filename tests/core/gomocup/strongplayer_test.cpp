// The strong levels behind the protocol: the position reaches the engine
// with the right colours, whoever opened, and survives a new table.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/gomocup/session.h"
#include "core/gomocup/strongplayer.h"

using namespace zelvan::gomocup;

namespace {

using Lines = std::vector<std::string>;

// A row of four with one end open, for field 1 (own) or 2 (the opponent's),
// at 0-based x 3..6 of row y; its other end, x 2, is blocked by the other side.
Lines blockedFour(int y, int field) {
    Lines lines;
    for (int x = 3; x <= 6; ++x)
        lines.push_back(std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(field));
    lines.push_back("2," + std::to_string(y) + "," + std::to_string(3 - field));
    return lines;
}

// Small tables and short thinking keep the tests quick.
void quickly(BrainSession& brain) {
    EXPECT_TRUE(brain.handle("INFO max_memory 2000000").empty());
    EXPECT_TRUE(brain.handle("INFO timeout_turn 100").empty());
}

Lines ask(BrainSession& brain, const Lines& stones) {
    brain.handle("BOARD");
    for (const std::string& s : stones)
        EXPECT_TRUE(brain.handle(s).empty()) << s;
    return brain.handle("DONE");
}

}  // namespace

TEST(StrongPlayer, CompletesItsFiveBeforeBlockingAndBlocksWhenItMust) {
    for (int level : {4, 5})
        for (int extra : {0, 1, 2}) {  // none, one more own stone, one more of the opponent's
            StrongPlayer player(level, 7);
            BrainSession brain(player, "");
            quickly(brain);
            ASSERT_EQ(brain.handle("START 15"), Lines{"OK"});
            Lines stones = blockedFour(10, 2);
            if (extra > 0) stones.push_back("13,0," + std::to_string(extra));
            EXPECT_EQ(ask(brain, stones), Lines{"7,10"}) << level << " " << extra;

            Lines both = blockedFour(3, 1);
            both.insert(both.end(), stones.begin(), stones.end());
            ASSERT_EQ(brain.handle("RESTART"), Lines{"OK"});
            EXPECT_EQ(ask(brain, both), Lines{"7,3"}) << level << " " << extra;
        }
}

TEST(StrongPlayer, ANewTableKeepsThePosition) {
    StrongPlayer player(4, 7);
    BrainSession brain(player, "");
    quickly(brain);
    brain.handle("START 20");
    Lines stones = blockedFour(10, 2);
    stones.erase(stones.begin() + 3);  // three of the opponent's, x 3..5
    stones.push_back("0,0,1");
    stones.push_back("19,19,1");
    const Lines answer = ask(brain, stones);
    ASSERT_EQ(answer.size(), 1u);
    ASSERT_EQ(brain.handle("TAKEBACK " + answer[0]), Lines{"OK"});
    EXPECT_TRUE(brain.handle("INFO max_memory 8000000").empty());  // a new table, 4 MB
    // The rebuilt engine must still see the three that this stone makes four.
    EXPECT_EQ(brain.handle("TURN 6,10"), Lines{"7,10"});
}

#include <gtest/gtest.h>

#include <deque>

#include "bench/match/greedyplayer.h"

using namespace zelvan::match;
using zelvan::gomocup::Point;
using zelvan::gomocup::Side;

namespace {

struct ZeroRandom final : zelvan::RandomSource {
    std::uint32_t below(std::uint32_t) override { return 0; }
};

struct Greedy : ::testing::Test {
    ZeroRandom random;
    GreedyPlayer player{random};
    void SetUp() override { player.newGame(15); }
    void stones(std::initializer_list<Point> cells, Side side) {
        for (const Point& p : cells)
            player.place(p, side);
    }
};

}  // namespace

TEST_F(Greedy, OpensInTheCentre) {
    EXPECT_EQ(player.choose({}), (Point{8, 8}));
}

TEST_F(Greedy, WinsBeforeItBlocksAndBlocksBeforeItBuilds) {
    stones({{3, 3}, {3, 4}, {3, 5}, {3, 6}, {13, 9}}, Side::Opponent);
    stones({{3, 2}, {9, 9}, {10, 9}, {11, 9}}, Side::Own);  // the four blocked above; a three
    EXPECT_EQ(player.choose({}), (Point{3, 7}));
    player.place({12, 9}, Side::Own);  // a four of its own, open at (8, 9)
    EXPECT_EQ(player.choose({}), (Point{8, 9}));
    player.takeBack({12, 9});
    EXPECT_EQ(player.choose({}), (Point{3, 7}));
}

TEST_F(Greedy, TakesTheOpenEndsOfAThree) {
    stones({{6, 8}, {7, 8}, {8, 8}}, Side::Opponent);
    stones({{7, 7}}, Side::Own);
    const Point p = player.choose({});
    EXPECT_TRUE(p == (Point{5, 8}) || p == (Point{9, 8})) << p.col << "," << p.row;
}

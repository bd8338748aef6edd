// Blue's look-ahead move: the hard computer's choice for Blue, found on the
// position with the colours swapped, and nothing of the position changed.

#include <gtest/gtest.h>

#include <deque>

#include "aiboard.h"
#include "core/ai/hint.h"
#include "core/ai/movechoice.h"

using namespace zelvan;
using zelvan::test::B;
using zelvan::test::position;
using zelvan::test::R;

namespace {

struct FixedRandom final : RandomSource {
    std::deque<std::uint32_t> values{1, 0, 0, 1, 1, 1, 0, 0};
    std::uint32_t below(std::uint32_t n) override {
        std::uint32_t v = 0;
        if (!values.empty()) {
            v = values.front();
            values.pop_front();
        }
        return v % n;
    }
};

}  // namespace

TEST(Hint, IsTheHardComputersChoiceWithTheColoursSwapped) {
    // Eight moves played, as a game between two people leaves them.
    Position g(15);
    const PlayedMove moves[] = {{8, 8, PieceSource::BlueClick},   {9, 9, PieceSource::RedClick},
                                {7, 8, PieceSource::BlueClick},   {9, 8, PieceSource::RedClick},
                                {7, 7, PieceSource::BlueClick},   {9, 10, PieceSource::RedClick},
                                {10, 11, PieceSource::BlueClick}, {6, 6, PieceSource::RedClick}};
    for (const PlayedMove& m : moves)
        g.play(m);
    Position swapped = position(15, {{R, 8, 8},
                                     {B, 9, 9},
                                     {R, 7, 8},
                                     {B, 9, 8},
                                     {R, 7, 7},
                                     {B, 9, 10},
                                     {R, 10, 11},
                                     {B, 6, 6}});
    FixedRandom forComputer;
    const Cell expected = decideMove(swapped, {9, 5, false}, forComputer);
    ASSERT_TRUE(expected.found());

    const Position before = g;
    FixedRandom forHint;
    EXPECT_EQ(blueLookAheadMove(g, forHint), expected);
    EXPECT_TRUE(g == before);
}

TEST(Hint, OnAnEmptyBoardIsTheCentre) {
    FixedRandom fresh;
    EXPECT_EQ(blueLookAheadMove(position(20, {}), fresh), (Cell{11, 11}));
}

// Between two people the second person's pieces mark no zone; the hint
// still sees the four Red is about to complete.
TEST(Hint, BlocksTheSecondPersonsFour) {
    Position g(15);
    const int blue[][2] = {{4, 10}, {2, 2}, {14, 2}, {2, 14}};
    for (int i = 0; i < 4; ++i) {
        g.play({std::uint8_t(blue[i][0]), std::uint8_t(blue[i][1]), PieceSource::BlueClick});
        g.play({std::uint8_t(5 + i), 10, PieceSource::RedClick});
    }
    FixedRandom random;
    EXPECT_EQ(blueLookAheadMove(g, random), (Cell{9, 10}));
}

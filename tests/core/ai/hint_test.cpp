// The hint: the computer player's choice for Blue, found on the position
// with the colours swapped, and nothing of the game record changed.

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

Game bluesTurn(Game g, int moveCount) {
    g.gameRunning = 1;
    g.blueToMove = 1;
    g.moveCount = moveCount;
    g.computerLevel = 1;
    g.plainAttack = 1;
    return g;
}

}  // namespace

TEST(Hint, IsTheHardComputersChoiceWithTheColoursSwapped) {
    const Game g = bluesTurn(position(15, {{B, 8, 8},
                                           {R, 9, 9},
                                           {B, 7, 8},
                                           {R, 9, 8},
                                           {B, 7, 7},
                                           {R, 9, 10},
                                           {B, 10, 11},
                                           {R, 6, 6}}),
                             8);
    Game swapped = position(15, {{R, 8, 8},
                                 {B, 9, 9},
                                 {R, 7, 8},
                                 {B, 9, 8},
                                 {R, 7, 7},
                                 {B, 9, 10},
                                 {R, 10, 11},
                                 {B, 6, 6}});
    swapped.gameRunning = 1;
    swapped.moveCount = 9;
    swapped.computerLevel = 3;
    swapped.plainAttack = 0;
    FixedRandom forComputer;
    const Cell expected = decideMove(swapped, forComputer);
    ASSERT_TRUE(expected.found());

    const Game before = g;
    FixedRandom forHint;
    EXPECT_EQ(hintMove(g, forHint), expected);
    EXPECT_TRUE(g == before);
}

TEST(Hint, OnAnEmptyBoardIsTheCentre) {
    FixedRandom fresh;
    EXPECT_EQ(hintMove(bluesTurn(position(20, {}), 0), fresh), (Cell{11, 11}));
}

// Between two people the second person's pieces mark no zone; the hint
// still sees the four Red is about to complete.
TEST(Hint, BlocksTheSecondPersonsFour) {
    Game g = bluesTurn(position(15, {{B, 4, 10}, {B, 2, 2}, {B, 14, 2}, {B, 2, 14}}), 8);
    for (int c = 5; c <= 8; ++c)
        g.cells[cellIndex(c, 10)] = kRed;
    FixedRandom random;
    EXPECT_EQ(hintMove(g, random), (Cell{9, 10}));
}

TEST(Hint, NoneUnlessBlueIsToMoveInALocalGame) {
    const Game g = bluesTurn(position(15, {{B, 8, 8}, {R, 9, 9}}), 2);
    FixedRandom random;
    Game redToMove = g;
    redToMove.blueToMove = 0;
    Game online = g;
    online.connected = 1;
    Game ended = g;
    ended.gameRunning = 0;
    for (const Game& refused : {redToMove, online, ended})
        EXPECT_FALSE(hintMove(refused, random).found());
}

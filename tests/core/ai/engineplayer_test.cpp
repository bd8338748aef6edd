// The strong levels on the game's position: which engine stone each colour
// is, the level's limits and the seed taken from the game's draws, the
// engine's board kept equal to the game's, and a think that answers.

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "core/ai/engineplayer.h"

using namespace zelvan;
using strong::Placed;
using strong::Stone;

namespace {

struct CountingRandom final : RandomSource {
    int draws = 0;
    std::uint32_t below(std::uint32_t n) override {
        ++draws;
        return 1234567u % n;
    }
};

Position game(int size, std::initializer_list<PlayedMove> moves) {
    Position g(size);
    for (const PlayedMove& m : moves)
        g.play(m);
    return g;
}

constexpr PieceSource Blue = PieceSource::BlueClick;
constexpr PieceSource Red = PieceSource::Computer;

}  // namespace

TEST(EngineTask, TheOpenerIsFirstWhoeverIsToMove) {
    const Position blueOpened = game(15, {{8, 8, Blue}, {9, 9, Red}, {7, 7, Blue}});
    const Position redOpened = game(20, {{11, 11, Red}, {10, 10, Blue}});
    Position laidOut(15);  // pieces without moves: the counts tell
    laidOut.put(kBlue, 8, 8);
    laidOut.put(kRed, 9, 9);
    laidOut.put(kBlue, 7, 7);
    struct Row {
        const Position& g;
        std::uint8_t colour;
        Stone toMove;
        std::vector<Placed> stones;
    };
    const Row rows[] = {
        {blueOpened,
         kRed,
         Stone::Second,
         {{{8, 8}, Stone::First}, {{9, 9}, Stone::Second}, {{7, 7}, Stone::First}}},
        {redOpened, kRed, Stone::First, {{{11, 11}, Stone::First}, {{10, 10}, Stone::Second}}},
        {redOpened, kBlue, Stone::Second, {{{11, 11}, Stone::First}, {{10, 10}, Stone::Second}}},
        {laidOut,
         kRed,
         Stone::Second,
         {{{7, 7}, Stone::First}, {{8, 8}, Stone::First}, {{9, 9}, Stone::Second}}},
    };
    for (const Row& row : rows) {
        CountingRandom random;
        const EngineTask task = engineTask(row.g, row.colour, *findLevel(4), random);
        EXPECT_EQ(task.boardSize, row.g.boardSize());
        EXPECT_EQ(task.toMove, row.toMove);
        EXPECT_EQ(task.stones, row.stones);
        EXPECT_EQ(task.limits.level, 4);
        EXPECT_EQ(task.limits.budget.count(), 300);
        EXPECT_EQ(random.draws, 1);  // the seed, drawn from the game's sequence
        EXPECT_EQ(task.seed, 1234567u);
    }
    CountingRandom random;
    const EngineTask hint = hintTask(blueOpened, random);
    EXPECT_EQ(hint.toMove, Stone::First);
    EXPECT_EQ(hint.limits.level, 5);
    EXPECT_EQ(hint.limits.budget.count(), 1000);
}

TEST(MirroredBoard, TheEngineHoldsExactlyTheGamesStones) {
    strong::Engine engine(1u << 20);
    strong::MirroredBoard mirror;
    const std::vector<std::pair<int, std::vector<Placed>>> steps = {
        {15, {{{8, 8}, Stone::First}, {{9, 9}, Stone::Second}}},
        {15, {{{8, 8}, Stone::First}, {{9, 9}, Stone::Second}, {{7, 7}, Stone::First}}},
        {15, {{{8, 8}, Stone::First}}},                               // an undo
        {15, {{{3, 3}, Stone::First}, {{8, 8}, Stone::Second}}},      // another game
        {20, {{{11, 11}, Stone::First}, {{20, 20}, Stone::Second}}},  // another size
    };
    for (const auto& [size, stones] : steps) {
        mirror.follow(engine, size, stones);
        ASSERT_EQ(engine.boardSize(), size);
        int held = 0;
        for (int c = 1; c <= size; ++c)
            for (int r = 1; r <= size; ++r)
                held += engine.at({c, r}) != Stone::None;
        EXPECT_EQ(held, static_cast<int>(stones.size()));
        for (const Placed& p : stones)
            EXPECT_EQ(engine.at(p.at), p.stone) << p.at.col << "," << p.at.row;
    }
}

TEST(EngineThinker, CompletesFiveAndAnswersWhenCancelled) {
    EngineThinker thinker;
    EngineTask task;
    task.boardSize = 15;
    task.toMove = Stone::First;
    for (int c = 4; c <= 7; ++c) {
        task.stones.push_back({{c, 5}, Stone::First});
        task.stones.push_back({{c, 12}, Stone::Second});
    }
    task.limits.maxDepth = 2;
    const Cell five = thinker.think(task);
    EXPECT_TRUE(five == (Cell{3, 5}) || five == (Cell{8, 5})) << five.col << "," << five.row;

    // The same engine, cancelled before it starts: still an empty cell.
    task.stones.push_back({{8, 5}, Stone::Second});
    const std::atomic<bool> cancelled{true};
    const Cell any = thinker.think(task, &cancelled);
    ASSERT_TRUE(any.found());
    for (const Placed& p : task.stones)
        EXPECT_FALSE(p.at.col == any.col && p.at.row == any.row);
}

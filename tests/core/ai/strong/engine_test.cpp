// The engine as its callers see it: the board it mirrors, and the moves it
// chooses where one answer is right.

#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <utility>

#include "core/ai/strong/engine.h"
#include "core/ai/strong/threats.h"
#include "diagram.h"

namespace zelvan::strong::test {
namespace {

// Limits that make a think deterministic: a node limit, and a clock that
// never runs out first.
ThinkLimits nodeLimited(std::uint64_t nodes, int level = kMasterLevel) {
    ThinkLimits limits = limitsFor(level);
    limits.budget = std::chrono::hours(1);
    limits.maxNodes = nodes;
    return limits;
}

TEST(StrongEngine, MirrorsTheBoardAndRefusesWhatIsNotAMove) {
    Engine engine(1 << 20);
    engine.newGame(20);
    EXPECT_EQ(engine.boardSize(), 20);
    EXPECT_TRUE(engine.place({20, 1}, Stone::First));
    EXPECT_FALSE(engine.place({20, 1}, Stone::Second));  // occupied
    EXPECT_FALSE(engine.place({21, 1}, Stone::Second));  // off the board
    EXPECT_FALSE(engine.place({0, 5}, Stone::Second));
    EXPECT_FALSE(engine.place({3, 3}, Stone::None));
    EXPECT_EQ(engine.at({20, 1}), Stone::First);
    EXPECT_EQ(engine.at({21, 1}), Stone::None);
    EXPECT_TRUE(engine.takeBack({20, 1}));
    EXPECT_FALSE(engine.takeBack({20, 1}));  // already empty
    EXPECT_EQ(engine.at({20, 1}), Stone::None);
}

TEST(StrongEngine, OpensInTheCentreAndPassesOnAFullBoard) {
    Engine engine(1 << 20);
    for (auto [size, centre] : {std::pair{15, 8}, {20, 10}, {30, 15}}) {
        engine.newGame(size);
        EXPECT_EQ(engine.think(Stone::First, nodeLimited(1000)), (Point{centre, centre}));
    }
    engine.newGame(5);
    for (int row = 1; row <= 5; ++row)
        for (int col = 1; col <= 5; ++col)
            engine.place({col, row}, (col + row / 2) % 2 ? Stone::First : Stone::Second);
    EXPECT_FALSE(engine.think(Stone::First, nodeLimited(1000)).valid());
}

TEST(StrongEngine, CompletesItsOwnFiveOrSixBeforeBlockingAndBlocksOtherwise) {
    Engine engine(1 << 20);
    draw(engine, 15, {".XX.XXX", "XOOOO.."}, 3, 4);
    EXPECT_EQ(engine.think(Stone::First, nodeLimited(1000)), (Point{6, 4}));  // six in a row
    EXPECT_EQ(engine.think(Stone::Second, nodeLimited(1000)), (Point{8, 5}));
    engine.takeBack({7, 5});  // O has no four left: it must block
    EXPECT_EQ(engine.think(Stone::Second, nodeLimited(1000)), (Point{6, 4}));
}

TEST(StrongEngine, AnswersAFlexThreeAtOneOfItsEnds) {
    Engine engine(1 << 20);
    draw(engine, 15, {"..........", "...OOO....", "..X......."}, 4, 7);
    const Point move = engine.think(Stone::First, nodeLimited(20000));
    EXPECT_TRUE(move == (Point{6, 8}) || move == (Point{10, 8})) << move.col << "," << move.row;
}

TEST(StrongEngine, StopsTheOpponentsWinByFoursAndByThrees) {
    // The positions of the solver's tests with the colours swapped: X to
    // move, O threatening to win.
    struct Case {
        std::initializer_list<std::string_view> rows;
        bool byThrees;
    };
    const Case cases[] = {
        {{"...............", ".....X..X......", "....XOOO.......", ".........OOOX..",
          "........O......", "........O......", "...............", "........X......"},
         false},
        {{"...............", "...............", "...............", "...............",
          "...............", "......O........", "......O........", "....OO.........",
          "...........X...", "..........X...."},
         true},
    };
    for (const Case& c : cases) {
        Engine engine(1 << 20);
        draw(engine, 15, c.rows);
        const Point move = engine.think(Stone::First, nodeLimited(400000));
        ASSERT_TRUE(move.valid());
        ASSERT_TRUE(engine.place(move, Stone::First));
        // O, now to move, has no forced win left.
        Position pos;
        draw(pos, 15, c.rows);
        pos.place(at(move.col, move.row), X);
        Budget budget;
        budget.start(Budget::Clock::now() + std::chrono::hours(1), 0, nullptr);
        ThreatSolver solver(pos, budget, 1 << 14);
        EXPECT_EQ(solver.winByFours(O, 20), -1) << move.col << "," << move.row;
        if (c.byThrees) {
            EXPECT_EQ(solver.winByThreats(O, 6, 10), -1) << move.col << "," << move.row;
        }
    }
}

TEST(StrongEngine, TheSameSeedPlaysTheSameGameAndSeedsVaryTheReplies) {
    auto game = [](std::uint64_t seed) {
        Engine engine(1 << 20);
        engine.newGame(15);
        engine.setSeed(seed);
        std::vector<Point> moves;
        Stone side = Stone::First;
        for (int i = 0; i < 8; ++i) {
            const Point p = engine.think(side, nodeLimited(3000, kStrongLevel));
            engine.place(p, side);
            moves.push_back(p);
            side = opponentOf(side);
        }
        return moves;
    };
    EXPECT_EQ(game(5), game(5));
    std::set<std::pair<int, int>> replies;
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        const Point reply = game(seed)[1];
        replies.insert({reply.col, reply.row});
    }
    EXPECT_GE(replies.size(), 2u);
}

TEST(StrongEngine, LevelFourSearchesTheSameAmountWhateverTheClockAllows) {
    // Its strength must not depend on the machine: a clock that never runs
    // out changes neither the move nor the work.
    auto think = [](std::chrono::milliseconds budget) {
        Engine engine(1 << 20);
        draw(engine, 15, {"..X.O..", ".XOOX..", "..XO...", "...X..."}, 6, 6);
        ThinkLimits limits = limitsFor(kStrongLevel);
        limits.budget = budget;
        const Point move = engine.think(Stone::Second, limits);
        return std::pair{std::pair{move.col, move.row}, engine.lastStats().nodes};
    };
    const auto longClock = think(std::chrono::hours(1));
    EXPECT_LE(longClock.second, kStrongNodes + 1000);
    EXPECT_EQ(longClock, think(std::chrono::hours(2)));
}

TEST(StrongEngine, ACancelledThinkStillAnswersWithALegalMove) {
    Engine engine(1 << 20);
    draw(engine, 15, {"..X.O..", ".XOOX..", "..XO...", "...X..."}, 6, 6);
    std::atomic<bool> cancel{true};
    const Point move = engine.think(Stone::Second, limitsFor(kMasterLevel), &cancel);
    ASSERT_TRUE(move.valid());
    EXPECT_EQ(engine.at(move), Stone::None);
    EXPECT_LT(engine.lastStats().nodes, 1000u);
}

}  // namespace
}  // namespace zelvan::strong::test

// The engine's board: the tables it keeps up to date as stones come and go.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "core/ai/strong/position.h"
#include "diagram.h"

namespace zelvan::strong::test {
namespace {

// Everything the position keeps, read through its accessors.
struct Snapshot {
    std::uint64_t hash;
    int stones;
    std::vector<int> cells;  // per board cell: code, four keys, and for an empty cell its values
    std::vector<int> totals;
    std::vector<int> candidates;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(const Position& pos) {
    Snapshot s{pos.hash(), pos.stones(), {}, {}, pos.candidates()};
    std::sort(s.candidates.begin(), s.candidates.end());
    for (int row = 1; row <= pos.size(); ++row) {
        for (int col = 1; col <= pos.size(); ++col) {
            const int cell = at(col, row);
            s.cells.push_back(pos.code(cell));
            for (int dir = 0; dir < 4; ++dir)
                s.cells.push_back(pos.lineKey(cell, dir));
            if (!pos.isEmpty(cell)) continue;
            for (int side = 0; side < 2; ++side) {
                for (int dir = 0; dir < 4; ++dir)
                    s.cells.push_back(pos.pattern(cell, side, dir));
                s.cells.push_back(pos.threat(cell, side));
                s.cells.push_back(pos.score(cell, side));
            }
        }
    }
    for (int side = 0; side < 2; ++side) {
        s.totals.push_back(pos.totalScore(side));
        for (int t = 0; t < kThreatCount; ++t)
            s.totals.push_back(pos.threatCount(side, static_cast<Threat>(t)));
    }
    return s;
}

// Stones near the middle, as a game lays them, in a random order.
std::vector<std::pair<int, int>> randomStones(int size, int count, std::mt19937& rng) {
    std::vector<std::pair<int, int>> stones;
    std::uniform_int_distribution<int> coord(std::max(1, size / 2 - 5),
                                             std::min(size, size / 2 + 6));
    std::vector<bool> used(Position::kCells, false);
    while (static_cast<int>(stones.size()) < count) {
        const int cell = at(coord(rng), coord(rng));
        if (used[cell]) continue;
        used[cell] = true;
        stones.push_back({cell, static_cast<int>(stones.size() % 2)});
    }
    return stones;
}

TEST(StrongPosition, PlacingAndTakingBackInAnyOrderRestoresEveryTable) {
    std::mt19937 rng(17);
    for (int size : {5, 15, 20, 30}) {
        for (int round = 0; round < 6; ++round) {
            const int count = std::min(size * size / 2, 40);
            const auto stones = randomStones(size, count, rng);
            Position pos;
            pos.reset(size);
            const int kept = count / 2;
            for (int i = 0; i < kept; ++i)
                pos.place(stones[i].first, stones[i].second);
            const Snapshot before = snapshot(pos);

            // More stones, then taken back in a shuffled order.
            std::vector<std::pair<int, int>> extra(stones.begin() + kept, stones.end());
            for (const auto& [cell, side] : extra)
                pos.place(cell, side);
            const Snapshot full = snapshot(pos);
            std::shuffle(extra.begin(), extra.end(), rng);
            for (const auto& stone : extra)
                pos.remove(stone.first);
            EXPECT_EQ(snapshot(pos), before) << "size " << size << " round " << round;

            // The tables depend on the stones alone, not on the order they came in.
            Position fresh;
            fresh.reset(size);
            auto sorted = stones;
            std::sort(sorted.begin(), sorted.end());
            for (const auto& [cell, side] : sorted)
                fresh.place(cell, side);
            EXPECT_EQ(snapshot(fresh), full) << "size " << size << " round " << round;
        }
    }
}

TEST(StrongPosition, FiveOrMoreWinsAlongEveryLineAndAgainstTheEdge) {
    Position pos;
    draw(pos, 15,
         {
             "XXXX...........",  // against the edge: one cell makes five
             "...............",
             "......XX.XXX...",  // the gap makes six
             "...............",
             "OXXXX.O........",  // the five's cell is there, beyond it an O: still five
             "...............",
             ".............X.",
             "............X..",
             "...........X...",
             "..........X....",
             "...............",  // (10, 11) or (15, 6) completes the diagonal
             "...............",
             "O..............",
             "O..............",
             "O..............",
         });
    EXPECT_EQ(pos.threat(at(5, 1), X), kMakesFive);
    EXPECT_EQ(pos.threat(at(9, 3), X), kMakesFive);
    EXPECT_EQ(pos.threat(at(6, 5), X), kMakesFive);
    EXPECT_EQ(pos.threat(at(10, 11), X), kMakesFive);
    EXPECT_EQ(pos.threat(at(15, 6), X), kMakesFive);
    EXPECT_EQ(pos.threatCount(X, kMakesFive), 5);
    EXPECT_EQ(pos.findThreat(X, kMakesFive), at(5, 1));
    // Three against the bottom edge cannot grow to five there.
    EXPECT_EQ(pos.pattern(at(1, 12), O, 1), kBlock4);
    EXPECT_EQ(pos.threatCount(O, kMakesFive), 0);
}

}  // namespace
}  // namespace zelvan::strong::test

#pragma once
// The move search behind Engine::think: tactics and the threat solver
// first, then a principal-variation alpha-beta search with iterative
// deepening, a transposition table, and moves ordered by their threats,
// killer moves and history.

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

#include "core/ai/strong/budget.h"
#include "core/ai/strong/engine.h"
#include "core/ai/strong/levels.h"
#include "core/ai/strong/position.h"
#include "core/ai/strong/threats.h"
#include "core/ai/strong/transposition.h"

namespace zelvan::strong {

inline constexpr int kMate = 30000;  // a five now; a win found k plies ahead scores kMate - k
inline constexpr int kMateBound = kMate - 1000;

class Search {
public:
    explicit Search(std::size_t hashBytes);

    Position& position() { return pos_; }
    const Position& position() const { return pos_; }
    void newGame(int size);
    void setSeed(std::uint64_t seed) { seed_ = seed; }

    // The cell `side` plays, or -1 on a full board.
    int think(int side, const ThinkLimits& limits, const std::atomic<bool>* cancel);
    const ThinkStats& stats() const { return stats_; }

    // The static value of the position for `side` to move.
    int evaluate(int side) const;

private:
    struct ScoredMove {
        int cell;
        int order;
    };
    static constexpr int kMaxPly = 96;

    int rootSearch(int side, int depth, int alpha, int beta);
    int pvs(int side, int depth, int alpha, int beta, int ply);
    // Fills `out` with the moves worth searching, best first; true when the
    // opponent's threat limits them to its answers (no pruning then).
    bool generate(int side, int ply, int ttMove, bool prune, std::vector<ScoredMove>& out);
    int orderScore(int cell, int side) const;
    std::vector<int> rootMoves(int side);
    bool guardAgainstThreats(int side, std::vector<int>& moves);
    bool guardAgainst(int side, std::vector<int>& moves, bool threesToo);
    std::uint64_t nextRandom();
    std::uint64_t key(int side) const;

    Position pos_;
    Budget budget_;
    TranspositionTable table_;
    ThreatSolver solver_;
    LevelProfile profile_{};
    ThinkStats stats_;
    std::uint64_t seed_ = 0;
    std::uint64_t random_ = 0;
    std::vector<int> root_;  // the root's moves, best first after each depth
    int rootBest_ = -1;
    std::array<std::array<int, 2>, kMaxPly> killers_{};
    std::array<std::array<int, Position::kCells>, 2> history_{};
    std::vector<std::vector<ScoredMove>> moveLists_;  // one per ply, never resized
    std::vector<int> scratch_;
};

}  // namespace zelvan::strong

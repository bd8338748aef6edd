#pragma once
// The strong computer player: a position of its own, a threat solver and an
// alpha-beta search, behind one small class. It knows nothing of the game's
// record or match control; a caller mirrors the game's moves into it with
// place() and takeBack() and asks think() for a move.
//
// Freestyle rule: five or more in a row wins. Boards of 5 to 32 cells a side.

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace zelvan::strong {

// A cell, 1-based: column from the left, row from the top. {0, 0} is "none".
struct Point {
    int col = 0;
    int row = 0;
    bool valid() const { return col > 0; }
    friend bool operator==(const Point&, const Point&) = default;
};

// First is the side that moved first in this game, Second the other.
enum class Stone : std::uint8_t { None, First, Second };

inline Stone opponentOf(Stone s) {
    return s == Stone::First ? Stone::Second : (s == Stone::Second ? Stone::First : Stone::None);
}

struct ThinkLimits {
    std::chrono::milliseconds budget{1000};  // wall clock for this move; the answer comes before it
    std::uint64_t maxNodes =
        0;             // 0: no node limit (tests use a node or depth limit for determinism)
    int maxDepth = 0;  // 0: no depth limit
    int level = 5;     // which strong level's search: 4 "strong" or 5 "master"
};

// The strong levels, in the one place the game and the brain both read.
inline constexpr int kStrongLevel = 4;
inline constexpr int kMasterLevel = 5;
inline constexpr std::chrono::milliseconds kStrongBudget{300};
inline constexpr std::chrono::milliseconds kMasterBudget{1000};
inline constexpr std::size_t kMaxHashBytes = std::size_t{64} << 20;
// Level 4's strength is a fixed amount of search, not a share of the
// clock: the same on a fast machine and a slow one, and a clear step below
// level 5 (on the development machine at most about 60 ms a move; its budget
// still caps it on a slower one).
inline constexpr std::uint64_t kStrongNodes = 25000;

// The limits a strong level thinks with (level 4 or 5; anything else reads as 5).
inline ThinkLimits limitsFor(int level) {
    ThinkLimits limits;
    limits.level = level == kStrongLevel ? kStrongLevel : kMasterLevel;
    limits.budget = limits.level == kStrongLevel ? kStrongBudget : kMasterBudget;
    if (limits.level == kStrongLevel) limits.maxNodes = kStrongNodes;
    return limits;
}

// What the last think() did, for benchmarks and tests.
struct ThinkStats {
    std::uint64_t nodes = 0;  // positions visited by the search and the threat solver
    int depth = 0;            // the last search depth completed (0: answered before searching)
    int score = 0;            // from the mover's side; above kWinScore means a forced win found
    bool forced = false;      // the move came from the threat solver or a forced reply
};
inline constexpr int kWinScore = 20000;

class Search;

class Engine {
public:
    explicit Engine(
        std::size_t hashBytes = kMaxHashBytes);  // transposition table at most this size
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    void newGame(int boardSize);   // empty board, 5..32 cells a side (clamped)
    bool place(Point p, Stone s);  // false, and nothing changes, when off the board or occupied
    bool takeBack(Point p);        // removes the stone there; false if the cell is empty
    Stone at(Point p) const;       // None also off the board
    int boardSize() const;
    void setSeed(std::uint64_t seed);  // randomness among equal moves comes from here only

    // The move for `toMove`: a legal empty point whenever one exists (the
    // centre on an empty board), {0, 0} on a full board. `cancel` is polled
    // inside the search; once it is set the call returns promptly with a
    // legal move.
    Point think(Stone toMove, const ThinkLimits& limits, const std::atomic<bool>* cancel = nullptr);

    const ThinkStats& lastStats() const;

private:
    std::unique_ptr<Search> search_;
};

}  // namespace zelvan::strong

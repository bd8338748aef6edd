#pragma once
// The threat-space solver: does the side to move win by force?
//  - by continuous fours: every attacking move makes a four, so the defender
//    has exactly one reply (the five's cell), until a flex four or a five;
//  - by threes and fours: an attacking move may also make a flex three; the
//    defender then answers with any cell that leaves no flex four, or with a
//    four of its own (which the attacker must block before going on).
// A result found here is a proof within the rules of the position; "no win"
// only means none was found within the depth and the budget.

#include <cstdint>
#include <vector>

#include "core/ai/strong/budget.h"
#include "core/ai/strong/position.h"

namespace zelvan::strong {

class ThreatSolver {
public:
    // `memoEntries` sizes each of the two result caches (rounded down to a
    // power of two).
    ThreatSolver(Position& position, Budget& budget, std::size_t memoEntries);

    // The first move of a win by continuous fours for `attacker`, who is to
    // move, with at most `maxFours` attacking moves; -1 when none is found.
    int winByFours(int attacker, int maxFours);
    // The same with threes allowed: at most `maxMoves` attacking moves, each
    // line of fours inside it at most `maxFours` long.
    int winByThreats(int attacker, int maxMoves, int maxFours);

    // Whether `attacker`, playing `move` now, wins by force: by fours alone,
    // or with `threesToo` by threes and fours (limits as above, the move
    // counted).
    bool winsWith(int attacker, int move, bool threesToo, int maxMoves, int maxFours);

    // The cells that answer `attacker`'s flex-four threats (its flex threes):
    // each leaves the attacker no flex four. Empty when no single cell does.
    void defences(int attacker, std::vector<int>& out);

    void clear();  // forget cached results (a new game)

private:
    struct MemoEntry {
        std::uint64_t key = 0;
        std::int8_t depth = -1;  // the depth the result holds for
        bool win = false;
    };
    struct Memo {
        std::vector<MemoEntry> entries;
        std::uint64_t mask = 0;
        // A win at a smaller depth, or a loss at a larger one, settles this query.
        bool lookup(std::uint64_t key, int depth, bool& win) const;
        void store(std::uint64_t key, int depth, bool win);
    };

    enum Outcome { kLost, kWon, kOpen };
    Outcome beforeAttack(bool byFours, int ply, int& forced);
    template <typename Defend>
    bool tryAttacks(Memo& memo, std::uint64_t key, int depth, int ply, int forced, bool threesToo,
                    Defend&& defend);
    bool foursAttack(int depth, int ply);
    bool foursDefend(int depth, int ply);
    bool threatsAttack(int depth, int ply);
    bool threatsDefend(int depth, int ply);
    void attackingMoves(bool threesToo, std::vector<int>& out) const;
    std::uint64_t memoKey(std::uint64_t salt) const;

    static constexpr int kMaxPly = 256;

    Position& pos_;
    Budget& budget_;
    Memo foursMemo_;
    Memo threatsMemo_;
    int attacker_ = 0;
    int defender_ = 1;
    int maxFours_ = 0;
    int firstMove_ = -1;
    std::vector<std::vector<int>> moveStack_;  // one list per ply, never resized
    std::vector<std::uint32_t> seen_;          // stamps for collecting cells once
    std::uint32_t stamp_ = 0;
};

}  // namespace zelvan::strong

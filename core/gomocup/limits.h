#pragma once
// How much wall clock a move and how much memory the search's table may use,
// from the level's own budget and what the manager has said about its clocks
// and memory (INFO timeout_turn, timeout_match, time_left, max_memory).

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace zelvan::gomocup {

// The manager's clocks in milliseconds, as far as it has told them.
struct ClockInfo {
    std::optional<std::int64_t> turnLimit;   // timeout_turn; 0: play as fast as possible
    std::optional<std::int64_t> matchLimit;  // timeout_match; 0: no limit
    std::optional<std::int64_t> timeLeft;    // time_left; kUnlimitedTime: no limit
};

// What managers send as time_left when the match has no clock.
inline constexpr std::int64_t kUnlimitedTime = 2147483647;
// The least a move is given, even when the clocks are nearly out.
inline constexpr std::chrono::milliseconds kQuickestMove{10};
// The share of the match clock one move may take: as if this many moves of
// our own were still to come.
inline constexpr std::int64_t kMovesToPlan = 25;

// The time kept back from a limit of `limit` milliseconds for reading the
// command, writing the answer and the scheduler's whims.
std::int64_t safetyMargin(std::int64_t limit);

// The wall clock this move may take: the level's budget, cut down to the
// turn limit less its margin and to a share of the match clock, never below
// kQuickestMove.
std::chrono::milliseconds thinkBudget(std::chrono::milliseconds levelBudget,
                                      const ClockInfo& clock);

// The transposition table's size within a memory limit (0: none): half the
// limit but at least 1 MiB, and never more than `largest`.
std::size_t tableBytes(std::uint64_t memoryLimit, std::size_t largest);

}  // namespace zelvan::gomocup

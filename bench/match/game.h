#pragma once
// One game between two brain programs: both started afresh, told the rules
// and clocks, given the opening with BOARD when they first move and the
// other's moves with TURN after that. The referee judges every answer; a
// brain that cannot start, crashes, answers garbage, plays an illegal move
// or runs out of time loses.

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "bench/match/referee.h"

namespace zelvan::match {

struct GameRules {
    int boardSize = 15;
    std::chrono::milliseconds turnLimit{1000};  // INFO timeout_turn
    std::chrono::milliseconds tolerance{100};   // how late an answer may still come
    std::chrono::milliseconds matchLimit{0};    // INFO timeout_match; 0: none
    std::uint64_t memoryLimit = 0;              // INFO max_memory; 0: none
    std::vector<std::pair<std::string, std::string>> extraInfo;  // more INFO key value
};

enum class Ending { Five, FullBoard, IllegalMove, Timeout, Crash, Garbled, Refused };
inline constexpr int kEndingCount = 7;
const char* endingName(Ending e);

struct TimedMove {
    Move move;
    std::chrono::microseconds took{0};  // 0 for the opening's stones
};

struct GameResult {
    int winner = -1;  // 0 Black's program, 1 White's; -1 a draw
    Ending ending = Ending::FullBoard;
    std::string detail;            // what the loser did, for the game's line
    std::vector<TimedMove> moves;  // the opening's stones first
};

// Black's program is commands[0], White's commands[1].
GameResult playGame(const std::array<std::string, 2>& commands, const std::vector<Move>& opening,
                    const GameRules& rules);

}  // namespace zelvan::match

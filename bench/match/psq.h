#pragma once
// A game as a .psq record, the plain-text game file of Gomoku tools: a
// header line with the board size, then one line per move "x,y,ms" with
// 1-based coordinates and the time the move took, then -1 and the two
// programs' command lines.

#include <array>
#include <string>

#include "bench/match/game.h"

namespace zelvan::match {

std::string psqRecord(int boardSize, const GameResult& game,
                      const std::array<std::string, 2>& commands);

}  // namespace zelvan::match

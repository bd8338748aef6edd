#pragma once
// The five-in-a-row walk over the whole board: rows, columns, diagonals
// down-right, anti-diagonals down-left, in that order. The computer player's
// look-ahead asks it of its simulated boards; match control asks it after
// every real placement and draws the winning line after each group of lines.

#include <array>
#include <cstdint>
#include <functional>

#include "core/engine/position.h"

namespace zelvan {

using LineEnds = std::array<std::int32_t, 4>;  // col1, row1, col2, row2

struct FiveScan {
    std::uint8_t winner = 0;
    LineEnds blueLine{};
    LineEnds redLine{};
};

// The winner and the line ends the whole-board walk records, starting from
// no lines and no winner.
FiveScan scanFive(const Position& p);

// The same walk continuing `scan` (a line is recorded only where a run is
// found, so earlier ends stay until a new run overwrites them); after the
// rows, the columns, the diagonals and the anti-diagonals it calls
// groupDone with the scan so far.
void walkFive(const Position& p, FiveScan& scan, const std::function<void()>& groupDone);

}  // namespace zelvan

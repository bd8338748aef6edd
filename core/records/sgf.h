#pragma once
// Gomoku in the Smart Game Format: GM[4], the board size in SZ, moves as
// ;B[hh];W[ii] with the column and then the row as letters from the
// top-left (a..z, then A..D on the largest board), the players in PB and
// PW, the result in RE and the date in DT. Black is always Blue and White
// always Red, whichever of them opened, so a record goes out and comes back
// the same; PL in the first node says who moved first, also before any
// move. Of a file with variations the main line is read: each first branch.
//
// What SGF has no property for goes into three of our own, which other
// readers skip: ENDING[stopped here] (how the game ended), STARTTIME[14:03:22]
// (beside DT's date) and MS[812] on a move (the milliseconds it took).

#include <string>
#include <string_view>

#include "core/records/record.h"

namespace zelvan::records {

std::string writeSgf(const GameRecord& record);
// Any bytes: a record, or the one line that says why they are not one.
RecordOrRefusal readSgf(std::string_view bytes);

}  // namespace zelvan::records

#pragma once
// The tournament format of Gomoku programs (.psq): a first line naming the
// board ("Piskvorky 15x15, 11:11, 0"), then one line per move, "x,y,ms", x
// the column and y the row counted from 1 at the top-left and ms the time
// the move took. Lines after the moves belong to whoever wrote the file;
// tournament readers skip them. Ours carry the players, the first mover
// first, the result and the start:
//
//   Blue: player at this machine
//   Red: computer level 3
//   Result: Red wins, stopped here
//   Started: 2024-05-01 14:03:22
//   Continued: from a reviewed position, not scored    (only such a game)
//
// A file without them reads as a game Blue opened against an unknown
// opponent, unfinished.

#include <string>
#include <string_view>

#include "core/records/record.h"

namespace zelvan::records {

std::string writePsq(const GameRecord& record);
// Any bytes: a record, or the one line that says why they are not one.
RecordOrRefusal readPsq(std::string_view bytes);

}  // namespace zelvan::records

#pragma once
// Naming a cell the way Gomoku players do: the column as letters from the
// left, the row as a number from the bottom, so "h8" is the centre of the
// 15 board. Columns run a..z and then aa, ab, ac, ad for columns 27 to 30
// of the largest board; no letter is skipped, and a name is read as all its
// letters and then all its digits, so "aa10" cannot be mistaken for "a" and
// something else.

#include <optional>
#include <string>
#include <string_view>

namespace zelvan::records {

struct CellName {
    int col = 0;  // from 1, left to right
    int row = 0;  // from 1, top to bottom, as the board counts
    friend bool operator==(const CellName&, const CellName&) = default;
};

// "a".."z", "aa".."ad"; empty outside 1..30.
std::string columnLetters(int col);
// "h8" for (8, 8) on the 15 board; empty for a cell off the board.
std::string cellName(int col, int row, int boardSize);
// The reverse, in lower or upper case; nullopt for anything that is not a
// cell of this board.
std::optional<CellName> parseCellName(std::string_view text, int boardSize);

}  // namespace zelvan::records

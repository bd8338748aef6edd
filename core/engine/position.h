#pragma once
// The position: the pieces of the board in play, the computer player's
// candidate zone around them and the moves in the order they were played.
// Match control owns the one position of the game; the computer player reads
// a copy and plays its look-ahead on it.

#include <cstdint>
#include <vector>

#include "core/engine/pieces.h"

namespace zelvan {

class Position {
public:
    // An empty board of 15 cells a side.
    Position() = default;
    // An empty board of n cells a side.
    explicit Position(int boardSize);

    int boardSize() const { return boardSize_; }
    bool onBoard(int col, int row) const {
        return col >= 1 && col <= boardSize_ && row >= 1 && row <= boardSize_;
    }
    std::uint8_t cell(int col, int row) const { return cells_[cellIndex(col, row)]; }
    bool inZone(int col, int row) const { return zone_[cellIndex(col, row)] == kZoneMark; }
    // A cell the computer player may choose: empty and in the zone.
    bool isCandidate(int col, int row) const { return cell(col, row) == kNone && inZone(col, row); }
    const Board& cells() const { return cells_; }
    const Board& zone() const { return zone_; }

    // The pieces of the game, in the order played; never stored or sent.
    const std::vector<PlayedMove>& moves() const { return moves_; }
    int moveCount() const { return static_cast<int>(moves_.size()); }
    bool full() const { return moveCount() == boardSize_ * boardSize_; }

    // A new empty board of n cells a side: no pieces, no zone, no moves.
    // Only the active square is cleared; cells of an earlier, larger board
    // stay behind and are never read while this board is in play.
    void clear(int boardSize);
    // A piece of the game on a free cell of the board: stored, counted and
    // kept in the move list; Blue's clicks and the computer's pieces mark
    // the zone around them, the pieces of a person playing Red do not.
    void play(const PlayedMove& move);

    // The look-ahead's trial pieces and laid-out positions: the cell and the
    // zone around it, never counted as a move.
    void put(std::uint8_t colour, int col, int row);
    // The cell alone, zone untouched.
    void setCell(int col, int row, std::uint8_t colour) { cells_[cellIndex(col, row)] = colour; }
    // Every cell of the board within four columns and four rows of (col,
    // row) gets zone kZoneMark.
    void markZone(int col, int row);
    // No cell of the board in the zone.
    void clearZone();

    friend bool operator==(const Position&, const Position&) = default;

private:
    int boardSize_ = 15;
    Board cells_{};
    Board zone_{};
    std::vector<PlayedMove> moves_;
};

}  // namespace zelvan

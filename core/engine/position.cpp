#include "core/engine/position.h"

namespace zelvan {

Position::Position(int boardSize) : boardSize_(boardSize) {}

void Position::clear(int boardSize) {
    boardSize_ = boardSize;
    for (int c = 1; c <= boardSize_; ++c)
        for (int r = 1; r <= boardSize_; ++r) {
            cells_[cellIndex(c, r)] = kNone;
            zone_[cellIndex(c, r)] = 0;
        }
    moves_.clear();
}

void Position::play(const PlayedMove& move) {
    setCell(move.col, move.row, colourOf(sideOf(move.source)));
    moves_.push_back(move);
    // The zone is read only by the computer player, which plays only against
    // Blue's clicks; the pieces of a person playing Red need none.
    if (move.source == PieceSource::BlueClick || move.source == PieceSource::Computer)
        markZone(move.col, move.row);
}

void Position::put(std::uint8_t colour, int col, int row) {
    setCell(col, row, colour);
    markZone(col, row);
}

void Position::markZone(int col, int row) {
    for (int dc = -4; dc <= 4; ++dc)
        for (int dr = -4; dr <= 4; ++dr)
            if (onBoard(col + dc, row + dr)) zone_[cellIndex(col + dc, row + dr)] = kZoneMark;
}

void Position::clearZone() {
    for (int c = 1; c <= boardSize_; ++c)
        for (int r = 1; r <= boardSize_; ++r)
            zone_[cellIndex(c, r)] = 0;
}

}  // namespace zelvan

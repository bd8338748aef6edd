#pragma once
// The engine's board: stones, and for every empty cell and each side the
// pattern a stone there would make along each of the four lines, the cell's
// threat and value, all kept up to date as stones are placed and removed.
// Only the cells within four of the changed stone along its four lines are
// looked at again.

#include <array>
#include <cstdint>
#include <vector>

#include "core/ai/strong/patterns.h"

namespace zelvan::strong {

class Position {
public:
    static constexpr int kMaxSize = 32;
    static constexpr int kStride = kMaxSize + 8;  // four cells of wall each side
    static constexpr int kCells = kStride * kStride;
    // Right, down, down-right, down-left.
    static constexpr std::array<int, 4> kDirection = {1, kStride, kStride + 1, kStride - 1};

    Position();
    void reset(int size);  // empty board, 5..kMaxSize cells a side

    int size() const { return size_; }
    static int index(int col, int row) { return (row + 3) * kStride + col + 3; }
    static int colOf(int cell) { return cell % kStride - 3; }
    static int rowOf(int cell) { return cell / kStride - 3; }
    bool onBoard(int col, int row) const {
        return col >= 1 && row >= 1 && col <= size_ && row <= size_;
    }

    std::uint8_t code(int cell) const { return stone_[cell]; }  // kEmpty, stoneCode(side), kWall
    bool isEmpty(int cell) const { return stone_[cell] == kEmpty; }
    int stones() const { return stones_; }
    bool full() const { return stones_ == size_ * size_; }
    std::uint64_t hash() const { return hash_; }

    // The cell must be empty, and occupied for remove().
    void place(int cell, int side);
    void remove(int cell);

    std::uint16_t lineKey(int cell, int dir) const { return key_[cell][dir]; }
    Pattern pattern(int cell, int side, int dir) const { return pattern_[cell][side][dir]; }
    Threat threat(int cell, int side) const { return value_[cell][side].threat; }
    int score(int cell, int side) const { return value_[cell][side].score; }
    // Empty cells whose stone would make `t` for `side`.
    int threatCount(int side, Threat t) const { return threatCount_[side][t]; }
    // The sum of score() over the empty cells, per side.
    int totalScore(int side) const { return totalScore_[side]; }

    // Empty cells with a stone within two (rows, columns or diagonals): every
    // cell that can make a three or a four is among them. In no fixed order.
    const std::vector<int>& candidates() const { return candidates_; }
    bool isCandidate(int cell) const { return candidateSlot_[cell] >= 0; }
    // The first candidate where `side` would make `t`, or -1.
    int findThreat(int side, Threat t) const;

private:
    void setCode(int cell, std::uint8_t code);
    void refreshLine(int cell, int dir);
    void account(int cell, int sign);  // adds or takes the cell's values from the totals
    void markNear(int cell, int delta);
    void addCandidate(int cell);
    void dropCandidate(int cell);

    const PatternTables& tables_;
    int size_ = 15;
    int stones_ = 0;
    std::uint64_t hash_ = 0;
    std::array<std::uint8_t, kCells> stone_{};
    std::array<std::array<std::uint16_t, 4>, kCells> key_{};
    std::array<std::array<std::array<Pattern, 4>, 2>, kCells> pattern_{};
    std::array<std::array<CellValue, 2>, kCells> value_{};
    std::array<std::uint8_t, kCells> near_{};
    std::array<std::array<int, kThreatCount>, 2> threatCount_{};
    std::array<int, 2> totalScore_{};
    std::vector<int> candidates_;
    std::array<std::int16_t, kCells> candidateSlot_{};
};

// The random keys behind Position::hash(), one per cell and side.
std::uint64_t zobristKey(int cell, int side);

}  // namespace zelvan::strong

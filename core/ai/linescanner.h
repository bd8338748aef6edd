#pragma once
// The one measurement the computer player rests on: for an empty cell and a
// colour, how many five-cell windows through that cell would hold 1..5 pieces
// of that colour and none of the other if that colour played there. A window
// lies wholly on the board in play; per direction a five hides that
// direction's fours, threes and twos, and a four hides its threes and twos.

#include <array>
#include <cstdint>

#include "core/engine/position.h"

namespace zelvan {

// Entries L1..L5 of one colour, packed six bits each (entry k at bits
// 6(k-1)..6k-1) so that the four directions add up with plain additions.
// Every entry stays within 0..20.
struct LineCounts {
    std::uint32_t packed = 0;

    int operator[](int k) const { return static_cast<int>((packed >> (6 * (k - 1))) & 63u); }
};

// The figures the searches compare.
inline bool isThreat(LineCounts l) {
    return l[5] >= 1 || l[4] >= 2 || l[3] >= 4 || (l[4] >= 1 && l[3] >= 2);
}
inline int threatScore(LineCounts l) {
    return 1000 * l[5] + 100 * l[4] + 10 * l[3];
}
inline int fullScore(LineCounts l) {
    return 1000 * l[5] + 100 * l[4] + 10 * l[3] + l[2];
}
inline int lineValue(LineCounts l) {
    if (l[5] > 0) return 1000 * l[5];
    if (l[4] > 0) return 100 * l[4];
    if (l[3] > 0) return 10 * l[3];
    return 0;
}
inline int shapeScore(LineCounts l) {
    return l[3] + l[2];
}

// Which colour a measurement is for: 0 Blue, 1 Red.
enum Colour : int { kBlueSide = 0, kRedSide = 1 };
inline constexpr std::uint8_t colourCode(int side) {
    return side == kBlueSide ? kBlue : kRed;
}

namespace scanner_detail {
// Base-3 digit value of a nine-bit line mask with the middle bit left out.
extern const std::array<std::uint16_t, 512> kTernary;
// Reduced, packed counts of one direction, indexed by own + 2 * blocked
// ternary value of the eight cells around the examined one.
extern const std::array<std::uint32_t, 6561> kDirectionCounts;
}  // namespace scanner_detail

// One of the four lines through a cell: the direction (0 along the row,
// 1 along the column, 2 the diagonal where column and row rise together, 3
// the anti-diagonal where the column rises as the row falls), the line's
// number within its direction and the cell's position along it.
struct Line {
    int dir;
    int index;
    int pos;
};

inline constexpr int kDiagonalBias = 29;  // col - row runs -29..29

inline constexpr Line lineThrough(int dir, int col, int row) {
    switch (dir) {
    case 0:
        return {0, row, col};
    case 1:
        return {1, col, row};
    case 2:
        return {2, col - row + kDiagonalBias, col};
    default:
        return {3, col + row, col};
    }
}

// The cell at position `pos` of a line.
inline constexpr void cellOnLine(const Line& l, int pos, int& col, int& row) {
    switch (l.dir) {
    case 0:
        col = pos, row = l.index;
        break;
    case 1:
        col = l.index, row = pos;
        break;
    case 2:
        col = pos, row = pos - (l.index - kDiagonalBias);
        break;
    default:
        col = pos, row = l.index - pos;
        break;
    }
}

// The board in play as bit lines, one 64-bit word per line, direction and
// colour, built from cells when a search starts and thrown away at its end.
// For each colour it keeps where its own pieces stand and where a window is
// blocked (the other colour's pieces, and every position off the board in
// play), so that the nine cells of a line through a cell are two shifts away.
// It is never written to: a trial piece of the measured colour is passed in
// as an extra own bit instead.
class LineScanner {
public:
    explicit LineScanner(const Position& g);

    // The counts of one direction for `side` as if it played at l.pos, with
    // its pieces plus `extraOwn` (bits as in ownBit) on the line. The cell
    // itself is taken as the side's own whatever it holds.
    std::uint32_t direction(int side, const Line& l, std::uint64_t extraOwn = 0) const {
        using scanner_detail::kDirectionCounts;
        using scanner_detail::kTernary;
        const Plane& pl = planes_[side][l.dir * kLines + l.index];
        // Bit of position k on a line is k + 3, so the nine cells around
        // position k start at bit k - 1.
        const std::uint64_t ownBits = pl.own | extraOwn;
        const unsigned own = static_cast<unsigned>(ownBits >> (l.pos - 1)) & 0x1FFu;
        // Own and blocked never overlap on a consistent board; the mask keeps
        // the table index in range whatever a caller passes.
        const unsigned blocked =
            static_cast<unsigned>((pl.blocked & ~ownBits) >> (l.pos - 1)) & 0x1FFu;
        return kDirectionCounts[kTernary[own] + 2u * kTernary[blocked]];
    }

    // The counts for `side` as if it played the cell; callers pass empty
    // cells only.
    LineCounts eval(int side, int col, int row) const {
        return LineCounts{
            direction(side, lineThrough(0, col, row)) + direction(side, lineThrough(1, col, row)) +
            direction(side, lineThrough(2, col, row)) + direction(side, lineThrough(3, col, row))};
    }

    static constexpr std::uint64_t ownBit(int pos) { return std::uint64_t{1} << (pos + 3); }

    // The empty cells of the board in play on a line within four positions
    // of l.pos, that position left out: bit k stands for position l.pos-4+k.
    unsigned emptyAround(const Line& l) const {
        const Plane& pl = planes_[kBlueSide][l.dir * kLines + l.index];
        const unsigned taken = static_cast<unsigned>((pl.own | pl.blocked) >> (l.pos - 1));
        return ~taken & 0x1EFu;
    }

private:
    static constexpr int kLines = 64;
    struct Plane {
        std::uint64_t own;
        std::uint64_t blocked;
    };

    void place(int side, int col, int row);

    Plane planes_[2][4 * kLines];
};

// The measurement for one colour (kBlueSide or kRedSide) at an empty cell.
LineCounts evalCell(const Position& g, int side, int col, int row);

}  // namespace zelvan

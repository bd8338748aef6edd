#pragma once
// The one measurement the computer player rests on: for an empty cell and a
// colour, how many five-cell windows through that cell would hold 1..5 pieces
// of that colour and none of the other if that colour played there. A window
// lies wholly on the board in play; per direction a five hides that
// direction's fours, threes and twos, and a four hides its threes and twos.

#include <array>
#include <cstdint>

#include "engine/game.h"

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

// The board in play as bit lines, one 64-bit word per line and direction and
// colour, built from cells when a search starts and thrown away at its end.
// For each colour it keeps where its own pieces stand and where a window is
// blocked (the other colour's pieces, and every position off the board in
// play), so that the nine cells of a line through a cell are two shifts away.
// Trial pieces go in and out with place() and lift(); cells is never written.
class LineScanner {
  public:
    explicit LineScanner(const Game& g);

    int boardSize() const { return n_; }

    // The counts for `side` as if it played the cell. The cell is taken as
    // the side's own whatever it holds; callers pass empty cells only.
    LineCounts eval(int side, int col, int row) const {
        using scanner_detail::kDirectionCounts;
        using scanner_detail::kTernary;
        const Plane* p = planes_[side];
        // Bit of position k on a line is k + 3, so the nine cells around
        // position k start at bit k - 1.
        auto direction = [&](int dir, int line, int pos) {
            const Plane& pl = p[dir * kLines + line];
            const unsigned own = static_cast<unsigned>(pl.own >> (pos - 1)) & 0x1FFu;
            // A trial piece is only ever put on an empty cell, so own and
            // blocked never overlap; the mask keeps the index in range anyway.
            const unsigned blocked =
                static_cast<unsigned>((pl.blocked & ~pl.own) >> (pos - 1)) & 0x1FFu;
            return kDirectionCounts[kTernary[own] + 2u * kTernary[blocked]];
        };
        return LineCounts{direction(0, row, col) + direction(1, col, row) +
                          direction(2, col - row + kDiagonalBias, col) +
                          direction(3, col + row, col)};
    }

    // A trial piece of `side` on (col, row), and its removal.
    void place(int side, int col, int row) { toggle(side, col, row, true); }
    void lift(int side, int col, int row) { toggle(side, col, row, false); }

  private:
    static constexpr int kLines = 64;
    static constexpr int kDiagonalBias = 29;  // col - row runs -29..29
    struct Plane {
        std::uint64_t own;
        std::uint64_t blocked;
    };

    void toggle(int side, int col, int row, bool on) {
        const int other = 1 - side;
        const int lines[4] = {row, col, col - row + kDiagonalBias, col + row};
        const int positions[4] = {col, row, col, col};
        for (int dir = 0; dir < 4; ++dir) {
            const std::uint64_t bit = std::uint64_t{1} << (positions[dir] + 3);
            Plane& mine = planes_[side][dir * kLines + lines[dir]];
            Plane& theirs = planes_[other][dir * kLines + lines[dir]];
            if (on) {
                mine.own |= bit;
                theirs.blocked |= bit;
            } else {
                mine.own &= ~bit;
                theirs.blocked &= ~bit;
            }
        }
    }

    int n_;
    Plane planes_[2][4 * kLines];
};

// evalBlue / evalRed: fill the record's line counts for the colour as if it
// played the empty cell (col, row). The cell is left empty afterwards.
void evalBlue(Game& g, int col, int row);
void evalRed(Game& g, int col, int row);
// The measurement alone, for one colour (kBlueSide or kRedSide).
LineCounts evalCell(const Game& g, int side, int col, int row);

}  // namespace zelvan

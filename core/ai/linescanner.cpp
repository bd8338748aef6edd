#include "core/ai/linescanner.h"

#include <algorithm>
#include <bit>

namespace zelvan {

namespace scanner_detail {

namespace {

constexpr std::array<std::uint16_t, 512> makeTernary() {
    std::array<std::uint16_t, 512> t{};
    for (unsigned m = 0; m < 512; ++m) {
        unsigned v = 0;
        unsigned weight = 1;
        for (unsigned k = 0; k < 9; ++k) {
            if (k == 4) continue;  // the examined cell itself is always own
            if (m & (1u << k)) v += weight;
            weight *= 3;
        }
        t[m] = static_cast<std::uint16_t>(v);
    }
    return t;
}

// One direction: the nine cells around the examined one as two bit masks
// (own, blocked), the five windows through the middle, then the reduction.
// The table index counts the eight neighbours in base 3 (0 empty, 1 own,
// 2 blocked, the left-most cell lowest); the masks step through them like an
// odometer, which keeps the work per entry small enough for every compiler's
// constant-evaluation budget.
constexpr std::array<std::uint32_t, 6561> makeDirectionCounts() {
    constexpr unsigned kNeighbourBit[8] = {1u << 0, 1u << 1, 1u << 2, 1u << 3,
                                           1u << 5, 1u << 6, 1u << 7, 1u << 8};
    std::array<std::uint32_t, 6561> t{};
    unsigned own = 1u << 4;  // the examined cell itself is always own
    unsigned blocked = 0;
    for (unsigned idx = 0; idx < 6561; ++idx) {
        unsigned count[6]{};
        for (unsigned start = 0; start < 5; ++start) {
            const unsigned window = 0x1Fu << start;
            if (!(blocked & window)) ++count[std::popcount(own & window)];
        }
        if (count[5] > 0) count[4] = count[3] = count[2] = 0;
        if (count[4] > 0) count[3] = count[2] = 0;
        t[idx] = count[1] | count[2] << 6 | count[3] << 12 | count[4] << 18 | count[5] << 24;

        for (const unsigned bit : kNeighbourBit) {
            if (own & bit) {  // 1 -> 2
                own &= ~bit;
                blocked |= bit;
                break;
            }
            if (!(blocked & bit)) {  // 0 -> 1
                own |= bit;
                break;
            }
            blocked &= ~bit;  // 2 -> 0, carry into the next neighbour
        }
    }
    return t;
}

}  // namespace

constexpr std::array<std::uint16_t, 512> kTernary = makeTernary();
constexpr std::array<std::uint32_t, 6561> kDirectionCounts = makeDirectionCounts();

}  // namespace scanner_detail

LineScanner::LineScanner(const Position& g) {
    const int n = g.boardSize();
    // Positions a..b of a line are on the board; everything else blocks.
    auto offBoard = [](int a, int b) -> std::uint64_t {
        if (a > b) return ~std::uint64_t{0};
        const std::uint64_t on = ((std::uint64_t{1} << (b - a + 1)) - 1) << (a + 3);
        return ~on;
    };
    for (int line = 0; line < kLines; ++line) {
        std::uint64_t off[4];
        off[0] = off[1] = (line >= 1 && line <= n) ? offBoard(1, n) : ~std::uint64_t{0};
        const int d = line - kDiagonalBias;  // col - row
        off[2] = offBoard(std::max(1, 1 + d), std::min(n, n + d));
        off[3] = offBoard(std::max(1, line - n), std::min(n, line - 1));  // line = col + row
        for (int side = 0; side < 2; ++side)
            for (int dir = 0; dir < 4; ++dir)
                planes_[side][dir * kLines + line] = {0, off[dir]};
    }
    for (int c = 1; c <= n; ++c)
        for (int r = 1; r <= n; ++r) {
            const std::uint8_t v = g.cell(c, r);
            if (v == kBlue)
                place(kBlueSide, c, r);
            else if (v == kRed)
                place(kRedSide, c, r);
        }
}

void LineScanner::place(int side, int col, int row) {
    for (int dir = 0; dir < 4; ++dir) {
        const Line l = lineThrough(dir, col, row);
        planes_[side][dir * kLines + l.index].own |= ownBit(l.pos);
        planes_[1 - side][dir * kLines + l.index].blocked |= ownBit(l.pos);
    }
}

LineCounts evalCell(const Position& g, int side, int col, int row) {
    return LineScanner(g).eval(side, col, row);
}

}  // namespace zelvan

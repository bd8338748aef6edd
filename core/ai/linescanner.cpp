#include "core/ai/linescanner.h"

#include <algorithm>

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

// One direction: the nine cells around the examined one (0 empty, 1 own,
// 2 blocked), the five windows through the middle, then the reduction.
constexpr std::array<std::uint32_t, 6561> makeDirectionCounts() {
    std::array<std::uint32_t, 6561> t{};
    for (unsigned idx = 0; idx < 6561; ++idx) {
        int cell[9]{};
        unsigned rest = idx;
        for (int k = 0; k < 9; ++k) {
            if (k == 4) {
                cell[k] = 1;
                continue;
            }
            cell[k] = static_cast<int>(rest % 3);
            rest /= 3;
        }
        int count[6]{};
        for (int start = 0; start < 5; ++start) {
            int own = 0;
            bool blocked = false;
            for (int k = start; k < start + 5; ++k) {
                own += cell[k] == 1;
                blocked = blocked || cell[k] == 2;
            }
            if (!blocked) ++count[own];
        }
        if (count[5] > 0) count[4] = count[3] = count[2] = 0;
        if (count[4] > 0) count[3] = count[2] = 0;
        std::uint32_t packed = 0;
        for (int k = 1; k <= 5; ++k)
            packed |= static_cast<std::uint32_t>(count[k]) << (6 * (k - 1));
        t[idx] = packed;
    }
    return t;
}

}  // namespace

constexpr std::array<std::uint16_t, 512> kTernary = makeTernary();
constexpr std::array<std::uint32_t, 6561> kDirectionCounts = makeDirectionCounts();

}  // namespace scanner_detail

LineScanner::LineScanner(const Game& g) {
    const int n = g.boardSize;
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
            const std::uint8_t v = g.cells[cellIndex(c, r)];
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

LineCounts evalCell(const Game& g, int side, int col, int row) {
    return LineScanner(g).eval(side, col, row);
}

void evalBlue(Game& g, int col, int row) {
    const LineCounts l = evalCell(g, kBlueSide, col, row);
    for (int k = 1; k <= 5; ++k)
        g.blueLineCounts[k] = l[k];
}

void evalRed(Game& g, int col, int row) {
    const LineCounts l = evalCell(g, kRedSide, col, row);
    for (int k = 1; k <= 5; ++k)
        g.redLineCounts[k] = l[k];
}

}  // namespace zelvan

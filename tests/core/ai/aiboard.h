#pragma once
// Positions for the computer player's tests: an empty board of a size, and
// pieces put on it as a game would (with their zone) or bare.

#include <initializer_list>
#include <random>

#include "core/engine/game.h"
#include "core/engine/rules.h"

namespace zelvan::test {

inline Game emptyBoard(int n) {
    Game g;
    g.boardSize = n;
    g.cells.fill(kNone);
    g.zone.fill(0);
    return g;
}

// A piece as a game places it: the cell and its zone.
inline void put(Game& g, std::uint8_t colour, int col, int row) {
    g.cells[cellIndex(col, row)] = colour;
    markZone(g, col, row);
}

inline constexpr std::uint8_t B = kBlue;
inline constexpr std::uint8_t R = kRed;

struct Piece {
    std::uint8_t colour;
    int col, row;
};

// An empty n x n board with these pieces put on it.
inline Game position(int n, std::initializer_list<Piece> pieces) {
    Game g = emptyBoard(n);
    for (const Piece& p : pieces)
        put(g, p.colour, p.col, p.row);
    return g;
}

inline int piecesOn(const Game& g) {
    int count = 0;
    for (int c = 1; c <= g.boardSize; ++c)
        for (int r = 1; r <= g.boardSize; ++r)
            count += g.cell(c, r) != kNone;
    return count;
}

// A position of `pieces` pieces, alternating colours, each in the zone of
// the earlier ones (the first in the middle); no five is made on the way.
inline Game randomPosition(int n, int pieces, std::uint32_t seed) {
    std::mt19937 rng(seed);
    Game g = emptyBoard(n);
    put(g, kBlue, n / 2 + 1, n / 2 + 1);
    std::uint8_t colour = kRed;
    int placed = 1;
    for (int tries = 0; placed < pieces && tries < 200000; ++tries) {
        const int c = 1 + static_cast<int>(rng() % n);
        const int r = 1 + static_cast<int>(rng() % n);
        if (g.cell(c, r) != kNone || g.zone[cellIndex(c, r)] != kZoneMark) continue;
        g.cells[cellIndex(c, r)] = colour;
        if (scanFive(g).winner != kNone) {
            g.cells[cellIndex(c, r)] = kNone;
            continue;
        }
        markZone(g, c, r);
        colour = colour == kBlue ? kRed : kBlue;
        ++placed;
    }
    return g;
}

}  // namespace zelvan::test

#pragma once
// Positions for the computer player's tests: an empty board of a size, and
// pieces put on it as a game would (with their zone) or bare.

#include <initializer_list>
#include <random>

#include "core/engine/checkfive.h"
#include "core/engine/position.h"

namespace zelvan::test {

inline Position emptyBoard(int n) {
    return Position(n);
}

// A piece as a game places it: the cell and its zone.
inline void put(Position& g, std::uint8_t colour, int col, int row) {
    g.put(colour, col, row);
}

inline constexpr std::uint8_t B = kBlue;
inline constexpr std::uint8_t R = kRed;

struct Piece {
    std::uint8_t colour;
    int col, row;
};

// An empty n x n board with these pieces put on it.
inline Position position(int n, std::initializer_list<Piece> pieces) {
    Position g = emptyBoard(n);
    for (const Piece& p : pieces)
        put(g, p.colour, p.col, p.row);
    return g;
}

inline int piecesOn(const Position& g) {
    int count = 0;
    for (int c = 1; c <= g.boardSize(); ++c)
        for (int r = 1; r <= g.boardSize(); ++r)
            count += g.cell(c, r) != kNone;
    return count;
}

// A position of `pieces` pieces, alternating colours, each in the zone of
// the earlier ones (the first in the middle); no five is made on the way.
inline Position randomPosition(int n, int pieces, std::uint32_t seed) {
    std::mt19937 rng(seed);
    Position g = emptyBoard(n);
    put(g, kBlue, n / 2 + 1, n / 2 + 1);
    std::uint8_t colour = kRed;
    int placed = 1;
    for (int tries = 0; placed < pieces && tries < 200000; ++tries) {
        const int c = 1 + static_cast<int>(rng() % n);
        const int r = 1 + static_cast<int>(rng() % n);
        if (g.cell(c, r) != kNone || !g.inZone(c, r)) continue;
        g.setCell(c, r, colour);
        if (scanFive(g).winner != kNone) {
            g.setCell(c, r, kNone);
            continue;
        }
        g.markZone(c, r);
        colour = colour == kBlue ? kRed : kBlue;
        ++placed;
    }
    return g;
}

}  // namespace zelvan::test

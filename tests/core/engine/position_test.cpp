// The position: pieces stored and counted in the order played, the
// candidate zone around the pieces that need one, and a new board that
// clears only its own square.

#include <gtest/gtest.h>

#include "core/engine/position.h"

using namespace zelvan;

namespace {

// The zone is exactly the square c1..c2 x r1..r2 of the storage.
bool zoneSquare(const Position& g, int c1, int r1, int c2, int r2) {
    for (int c = 1; c <= kStride; ++c)
        for (int r = 1; r <= kStride; ++r) {
            const bool in = c >= c1 && c <= c2 && r >= r1 && r <= r2;
            if ((g.zone()[cellIndex(c, r)] == kZoneMark) != in) return false;
        }
    return true;
}

TEST(Position, ZoneStopsAtTheEdgesOfTheBoardInPlay) {
    // The zone a lone piece marks on a fresh board of a size.
    const struct {
        int n, c, r, c1, r1, c2, r2;
    } cases[] = {{15, 1, 1, 1, 1, 5, 5},
                 {15, 15, 15, 11, 11, 15, 15},
                 {15, 8, 8, 4, 4, 12, 12},
                 {30, 15, 15, 11, 11, 19, 19},  // the same cell is inside a 30x30 board
                 {30, 30, 1, 26, 1, 30, 5}};
    for (const auto& k : cases) {
        Position g(k.n);
        g.markZone(k.c, k.r);
        EXPECT_TRUE(zoneSquare(g, k.c1, k.r1, k.c2, k.r2))
            << "(" << k.c << "," << k.r << ") on " << k.n;
    }
}

TEST(Position, PiecesAreCountedAndMarkTheZoneByWhoPlacedThem) {
    Position g(15);
    g.play({8, 8, PieceSource::BlueClick});
    g.play({1, 1, PieceSource::RedClick});  // a person's Red marks nothing
    EXPECT_TRUE(zoneSquare(g, 4, 4, 12, 12));
    g.play({14, 14, PieceSource::Computer});
    g.play({2, 14, PieceSource::Peer});
    EXPECT_EQ(g.moveCount(), 4);
    EXPECT_EQ(g.cell(8, 8), kBlue);
    EXPECT_EQ(g.cell(1, 1), kRed);
    EXPECT_EQ(g.cell(14, 14), kRed);
    EXPECT_TRUE(g.inZone(15, 15));
    EXPECT_FALSE(g.inZone(1, 15));
    EXPECT_EQ(g.moves().back(), (PlayedMove{2, 14, PieceSource::Peer}));
    // Laid-out pieces are no moves.
    g.put(kBlue, 3, 3);
    EXPECT_EQ(g.moveCount(), 4);
    EXPECT_TRUE(g.inZone(1, 1));
}

TEST(Position, ANewBoardClearsItsOwnSquareOnly) {
    Position g(30);
    for (int c = 1; c <= 30; ++c)
        for (int r = 1; r <= 30; ++r)
            g.put((c + r) % 2 ? kBlue : kRed, c, r);
    g.play({1, 1, PieceSource::BlueClick});
    g.clear(15);
    EXPECT_EQ(g.boardSize(), 15);
    EXPECT_EQ(g.moveCount(), 0);
    int cleared = 0;
    for (int c = 1; c <= 30; ++c)
        for (int r = 1; r <= 30; ++r) {
            const bool inside = c <= 15 && r <= 15;
            EXPECT_EQ(g.cell(c, r) == kNone, inside) << c << "," << r;
            EXPECT_EQ(!g.inZone(c, r), inside) << c << "," << r;
            cleared += inside;
        }
    EXPECT_EQ(cleared, 225);
}

}  // namespace

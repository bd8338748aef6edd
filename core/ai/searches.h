#pragma once
// The six one-pass searches over the candidate cells (empty cells of the
// zone). The attack family looks for the cell where the searching colour
// makes its strongest threat, then the richest follow-up play, then the best
// shape; the defence family takes the opponent's strongest threat first and
// otherwise the cell that most hampers the opponent's follow-up play.
//
// Every search reads cells, zone and boardSize only and leaves the board as
// it found it. It returns (0, 0) when no cell qualifies, which a running game
// never shows (every empty cell next to a piece lies in the zone).

#include "core/ai/scanorder.h"
#include "core/engine/position.h"

namespace zelvan {

struct Cell {
    int col = 0;
    int row = 0;
    bool found() const { return col != 0; }
    friend bool operator==(const Cell&, const Cell&) = default;
};

// The look-ahead's searches, fixed order.
Cell simRedMove(const Position& g);     // Red's simulated move
Cell simBlueAttack(const Position& g);  // Blue's attacking reply
Cell simBlueBlock(const Position& g);   // Blue's blocking reply

// The searches for the real move, in random order: one draw for the main
// scan and, for the attack searches' fallback, a fresh one when it runs.
Cell redAttack(const Position& g, ScanDraw& draw);
Cell redPlainAttack(const Position& g, ScanDraw& draw);
Cell redDefend(const Position& g, ScanDraw& draw);

// A candidate with a piece of either colour among its eight neighbours: the
// first one in `order`, or the last one.
Cell nearPieceCell(const Position& g, ScanOrder order, bool first);

}  // namespace zelvan

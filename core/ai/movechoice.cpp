#include "core/ai/movechoice.h"

#include "core/ai/lookahead.h"

namespace zelvan {

Cell firstReply(const Position& g) {
    return nearPieceCell(g, kFixedOrder, true);
}

Cell chooseMove(Position& g, const MoveStyle& style, ScanDraw& draw) {
    if (style.moveNumber == 1) {
        const int centre = g.boardSize() / 2 + 1;
        return {centre, centre};
    }
    if (style.moveNumber == 2) return firstReply(g);

    const Position before = g;
    bool planSafe = simulateBlock(g, style.lookAheadCycles);
    g = before;
    if (planSafe) {
        planSafe = simulateAttack(g, style.lookAheadCycles);
        g = before;
    }
    if (!planSafe) return redDefend(g, draw);
    return style.plainAttack ? redPlainAttack(g, draw) : redAttack(g, draw);
}

Cell decideMove(const Position& g, const MoveStyle& style, RandomSource& random) {
    // The look-ahead plays its simulated pieces on a copy: deciding reads the
    // position and never writes it.
    Position work = g;
    RandomScanDraw draw(random);
    return chooseMove(work, style, draw);
}

}  // namespace zelvan

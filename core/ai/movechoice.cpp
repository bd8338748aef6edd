#include "core/ai/movechoice.h"

#include "core/ai/lookahead.h"

namespace zelvan {

Cell firstReply(const Game& g) {
    return nearPieceCell(g, kFixedOrder, true);
}

Cell chooseMove(Game& g, ScanDraw& draw) {
    if (g.moveCount == 1) {
        const int centre = g.boardSize / 2 + 1;
        return {centre, centre};
    }
    if (g.moveCount == 2) return firstReply(g);

    saveBoard(g);
    bool planSafe = simulateBlock(g);
    restoreBoard(g);
    if (planSafe) {
        planSafe = simulateAttack(g);
        restoreBoard(g);
    }
    if (!planSafe) return redDefend(g, draw);
    return g.plainAttack ? redPlainAttack(g, draw) : redAttack(g, draw);
}

Cell decideMove(const Game& g, RandomSource& random) {
    // The look-ahead plays its simulated pieces on a copy: deciding reads the
    // record and never writes it.
    Game work = g;
    RandomScanDraw draw(random);
    return chooseMove(work, draw);
}

}  // namespace zelvan

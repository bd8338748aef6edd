#include "core/ai/hint.h"

#include "core/ai/movechoice.h"
#include "core/engine/zone.h"

namespace zelvan {

Cell hintMove(const Game& g, RandomSource& random) {
    if (!g.gameRunning || !g.blueToMove || g.connected) return {};
    if (g.busy || g.placing || g.starting || g.exiting || g.turnPassing) return {};

    Game swapped = g;
    swapped.computerLevel = 3;
    swapped.plainAttack = 0;
    swapped.blueToMove = 0;
    ++swapped.moveCount;
    // Zones are rebuilt around every piece: between two people the second
    // person's pieces mark none, yet they are where the play is.
    for (int c = 1; c <= g.boardSize; ++c)
        for (int r = 1; r <= g.boardSize; ++r)
            swapped.zone[cellIndex(c, r)] = 0;
    for (int c = 1; c <= g.boardSize; ++c)
        for (int r = 1; r <= g.boardSize; ++r) {
            std::uint8_t& cell = swapped.cells[cellIndex(c, r)];
            if (cell == kNone) continue;
            cell = cell == kBlue ? kRed : kBlue;
            markZone(swapped, c, r);
        }
    return decideMove(swapped, random);
}

}  // namespace zelvan

#include "core/ai/computermove.h"

#include "core/ai/movechoice.h"
#include "core/engine/rules.h"

namespace zelvan {

void computerMove(Game& g, Host& host) {
    // Board clicks, Play and Stop are refused while busy is set; it stays set
    // through the event pump of the placement and is cleared after the scan.
    g.busy = 1;
    ++g.moveCount;
    HostScanDraw draw(host);
    const Cell cell = chooseMove(g, draw);
    if (!cell.found()) {
        // No cell to play (a position a game never reaches): place nothing
        // and give the turn back rather than write off the board.
        --g.moveCount;
        g.blueToMove = 1;
        g.busy = 0;
        host.showTurn();
        return;
    }
    placePiece(g, host, PieceSource::Computer, cell.col, cell.row);
}

}  // namespace zelvan

#include "core/engine/board.h"
#include "core/engine/rules.h"

namespace zelvan {

bool init(Game& g, Host& host) {
    host.setCursor(Cursor::Normal);
    host.hidePanels();

    host.reseedRandom();
    g.plainAttack = host.randomBelow(3) == 0 ? 1 : 0;

    if (const BoardGeometry* geo = geometryForSizeCode(g.sizeCode)) {
        g.boardSize = geo->boardSize;
        g.cellPitch = geo->cellPitch;
    }

    g.blinkPhase = 0;
    host.setBlinkTimer(false);

    g.blueOpens = g.blueOpens ? 0 : 1;
    host.forgetMarks();
    g.gameRunning = 0;
    g.blueToMove = g.blueOpens;
    const std::uint32_t serial = ++g.boardSerial;

    host.drawGrid();
    host.processEvents();
    // The pump let events run. A Play or a received PLAY that made a newer
    // board meanwhile owns the record, and the game it may have started
    // with it: clearing now would wipe that game's pieces.
    if (g.boardSerial != serial) return false;

    clearPieces(g);
    return true;
}

void clearPieces(Game& g) {
    g.moveCol = -1;
    g.moveRow = -1;
    // Only the active square is cleared; cells of an earlier, larger board
    // stay behind and are never read while this board is in play.
    for (int c = 1; c <= g.boardSize; ++c)
        for (int r = 1; r <= g.boardSize; ++r) {
            g.cells[cellIndex(c, r)] = kNone;
            g.zone[cellIndex(c, r)] = 0;
        }
    g.blueLineCounts.fill(0);
    g.redLineCounts.fill(0);
    g.moves.clear();
}

}  // namespace zelvan

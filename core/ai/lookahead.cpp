#include "core/ai/lookahead.h"

#include "core/ai/searches.h"
#include "core/engine/rules.h"

namespace zelvan {

namespace {

// Outcome of one cycle.
constexpr int kStop = 0;      // Red completed five, or nothing left to play
constexpr int kBlueFive = 1;  // Blue completed five
constexpr int kGoOn = 999;

bool hasEmptyCell(const Game& g) {
    for (int c = 1; c <= g.boardSize; ++c)
        for (int r = 1; r <= g.boardSize; ++r)
            if (g.cells[cellIndex(c, r)] == kNone) return true;
    return false;
}

void putPiece(Game& g, Cell cell, std::uint8_t colour) {
    g.cells[cellIndex(cell.col, cell.row)] = colour;
    markZone(g, cell.col, cell.row);
}

// Red's simulated move, then Blue's reply. A search that finds nothing
// (only on positions a game never reaches) ends the cycle like a full board.
int playCycle(Game& g, bool blueBlocks) {
    if (!hasEmptyCell(g)) return kStop;
    const Cell red = simRedMove(g);
    if (!red.found()) return kStop;
    putPiece(g, red, kRed);
    findFive(g);
    if (g.winner == kRed) {
        g.winner = kNone;
        return kStop;
    }
    if (!hasEmptyCell(g)) return kStop;
    const Cell blue = blueBlocks ? simBlueBlock(g) : simBlueAttack(g);
    if (!blue.found()) return kStop;
    putPiece(g, blue, kBlue);
    findFive(g);
    if (g.winner == kBlue) {
        g.winner = kNone;
        return kBlueFive;
    }
    return kGoOn;
}

bool simulate(Game& g, bool blueBlocks) {
    const int cycles = lookAheadCycles(g.computerLevel);
    for (int simStep = 1; simStep <= cycles; ++simStep) {
        const int outcome = playCycle(g, blueBlocks);
        if (outcome == kStop) break;
        if (outcome == kBlueFive) return false;
    }
    return true;
}

}  // namespace

int lookAheadCycles(int computerLevel) {
    switch (computerLevel) {
    case 1:
        return 2;
    case 2:
        return 3;
    case 3:
        return 5;
    default:
        return 0;
    }
}

void saveBoard(Game& g) {
    for (int c = 1; c <= g.boardSize; ++c)
        for (int r = 1; r <= g.boardSize; ++r) {
            const int i = cellIndex(c, r);
            g.cellsSaved[i] = g.cells[i];
            g.zoneSaved[i] = g.zone[i];
        }
}

void restoreBoard(Game& g) {
    for (int c = 1; c <= g.boardSize; ++c)
        for (int r = 1; r <= g.boardSize; ++r) {
            const int i = cellIndex(c, r);
            g.cells[i] = g.cellsSaved[i];
            g.zone[i] = g.zoneSaved[i];
        }
}

void findFive(Game& g) {
    const int n = g.boardSize;
    int blueRun = 0;
    int redRun = 0;
    auto visit = [&](int c, int r) {
        const std::uint8_t v = g.cells[cellIndex(c, r)];
        blueRun = v == kBlue ? blueRun + 1 : 0;
        redRun = v == kRed ? redRun + 1 : 0;
        if (blueRun >= 5) g.winner = kBlue;
        if (redRun >= 5) g.winner = kRed;
    };
    for (int r = 1; r <= n; ++r) {
        blueRun = redRun = 0;
        for (int c = 1; c <= n; ++c)
            visit(c, r);
    }
    for (int c = 1; c <= n; ++c) {
        blueRun = redRun = 0;
        for (int r = 1; r <= n; ++r)
            visit(c, r);
    }
    // The lines in the same order as the scan after a real move, so that
    // the two always name the same side.
    for (int d = 0; d <= n - 5; ++d) {  // row - col = d
        blueRun = redRun = 0;
        for (int c = 1; c <= n - d; ++c)
            visit(c, c + d);
    }
    for (int d = 1; d <= n - 5; ++d) {  // col - row = d
        blueRun = redRun = 0;
        for (int r = 1; r <= n - d; ++r)
            visit(r + d, r);
    }
    for (int i = 1; i <= n - 4; ++i) {  // col + row = n + i, from column n down
        blueRun = redRun = 0;
        for (int c = n; c >= i; --c)
            visit(c, n + i - c);
    }
    for (int j = 5; j <= n - 1; ++j) {  // col + row = j + 1, from row 1 down
        blueRun = redRun = 0;
        for (int r = 1; r <= j; ++r)
            visit(j + 1 - r, r);
    }
}

bool simulateBlock(Game& g) {
    return simulate(g, true);
}

bool simulateAttack(Game& g) {
    return simulate(g, false);
}

}  // namespace zelvan

#include "core/ai/lookahead.h"

#include "core/ai/searches.h"
#include "core/engine/checkfive.h"

namespace zelvan {

namespace {

// Outcome of one cycle.
constexpr int kStop = 0;      // Red completed five, or nothing left to play
constexpr int kBlueFive = 1;  // Blue completed five
constexpr int kGoOn = 999;

bool hasEmptyCell(const Position& g) {
    for (int c = 1; c <= g.boardSize(); ++c)
        for (int r = 1; r <= g.boardSize(); ++r)
            if (g.cell(c, r) == kNone) return true;
    return false;
}

void putPiece(Position& g, Cell cell, std::uint8_t colour) {
    g.put(colour, cell.col, cell.row);
}

// Red's simulated move, then Blue's reply. A search that finds nothing
// (only on positions a game never reaches) ends the cycle like a full board.
// Each piece is followed by the same whole-board walk as a real placement,
// so the look-ahead names the same side the game would. Its answer is kept
// here, not in the record's winner, so a winner left in the record can
// neither stop the look-ahead nor pass for a simulated five.
int playCycle(Position& g, bool blueBlocks) {
    if (!hasEmptyCell(g)) return kStop;
    const Cell red = simRedMove(g);
    if (!red.found()) return kStop;
    putPiece(g, red, kRed);
    if (scanFive(g).winner == kRed) return kStop;
    if (!hasEmptyCell(g)) return kStop;
    const Cell blue = blueBlocks ? simBlueBlock(g) : simBlueAttack(g);
    if (!blue.found()) return kStop;
    putPiece(g, blue, kBlue);
    if (scanFive(g).winner == kBlue) return kBlueFive;
    return kGoOn;
}

bool simulate(Position& g, int cycles, bool blueBlocks) {
    for (int simStep = 1; simStep <= cycles; ++simStep) {
        const int outcome = playCycle(g, blueBlocks);
        if (outcome == kStop) break;
        if (outcome == kBlueFive) return false;
    }
    return true;
}

}  // namespace

bool simulateBlock(Position& g, int cycles) {
    return simulate(g, cycles, true);
}

bool simulateAttack(Position& g, int cycles) {
    return simulate(g, cycles, false);
}

}  // namespace zelvan

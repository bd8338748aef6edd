#include "core/engine/undo.h"

#include <vector>

#include "core/engine/quiethost.h"
#include "core/engine/rules.h"

namespace zelvan {

namespace {

// The window as the replay sees it: the board picture is drawn, and nothing
// else reaches the player. Replayed pieces make no sound, wait for nothing,
// send and save nothing, and let no events run while the record is half
// rebuilt (placement pumps after each piece in play).
class ReplayHost final : public QuietHost {
public:
    explicit ReplayHost(Host& window) : window_(window) {}

    void drawGrid() override { window_.drawGrid(); }
    void drawPiece(Side side, int col, int row, bool highlighted) override {
        window_.drawPiece(side, col, row, highlighted);
    }
    void markMove(Side side, int col, int row) override { window_.markMove(side, col, row); }
    void forgetMarks() override { window_.forgetMarks(); }
    bool peerConnected() override { return window_.peerConnected(); }
    // Placement draws no random numbers, and the kept moves never end the
    // game they replay: the rest stays quiet.

private:
    Host& window_;
};

// How many moves at the end of the list one undo takes back; 0 for none.
std::size_t movesToTakeBack(const Game& g) {
    const std::vector<PlayedMove>& m = g.moves;
    if (g.redIsHuman) return m.empty() ? 0 : 1;
    // Blue moves again: its last move goes, with every computer answer after
    // it. A computer opening with no Blue move after it stays.
    std::size_t n = 0;
    while (n < m.size() && m[m.size() - 1 - n].source == PieceSource::Computer)
        ++n;
    return n < m.size() ? n + 1 : 0;
}

}  // namespace

UndoOutcome undoMove(Game& g, Host& host) {
    if (!g.gameRunning) return UndoOutcome::Refused;
    if (g.connected) return UndoOutcome::NetworkGame;
    // A key that arrives in another handler's pause or pump would rebuild
    // the board under a placement, a Play or the exit.
    if (g.busy || g.placing || g.starting || g.exiting || g.turnPassing)
        return UndoOutcome::Refused;
    const std::size_t drop = movesToTakeBack(g);
    if (drop == 0) return UndoOutcome::Refused;

    const std::vector<PlayedMove> kept(g.moves.begin(), g.moves.end() - drop);
    // The replay lets no events run, so nothing else can act on the board
    // while it is rebuilt.
    ReplayHost quiet(host);
    quiet.forgetMarks();
    quiet.drawGrid();
    clearPieces(g);
    g.moveCount = 0;
    g.blueToMove = g.blueOpens;
    for (const PlayedMove& m : kept) {
        if (m.source == PieceSource::Computer) {
            ++g.moveCount;  // the computer's turn counts its move before placing it
        } else {
            g.moveCol = m.col;  // the cell a click (or the peer) named, as its handler keeps it
            g.moveRow = m.row;
        }
        placePiece(g, quiet, m.source, m.col, m.row);
    }
    host.showTurn();
    return UndoOutcome::Undone;
}

}  // namespace zelvan

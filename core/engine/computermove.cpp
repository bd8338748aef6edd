#include "core/ai/movechoice.h"
#include "core/ai/randomsource.h"
#include "core/engine/rules.h"

namespace zelvan {

namespace {

// The computer player draws its scan orders from the game's own generator,
// which a new board reseeds.
class HostRandom final : public RandomSource {
public:
    explicit HostRandom(Host& host) : host_(host) {}
    std::uint32_t below(std::uint32_t n) override { return host_.randomBelow(n); }

private:
    Host& host_;
};

}  // namespace

void computerMove(Game& g, Host& host) {
    // Board clicks, Play and Stop are refused while busy is set; it stays set
    // through the event pump of the placement and is cleared after the scan.
    g.busy = 1;
    ++g.moveCount;
    HostRandom random(host);
    const Cell cell = decideMove(g, random);
    if (!cell.found()) {
        // No cell to play (a position a game never reaches): place nothing
        // and give the turn back rather than write off the board.
        --g.moveCount;
        g.blueToMove = 1;
        g.busy = 0;
        host.showTurn();
        host.processEvents();
        return;
    }
    placePiece(g, host, PieceSource::Computer, cell.col, cell.row);
}

}  // namespace zelvan

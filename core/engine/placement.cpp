#include "core/engine/hold.h"
#include "core/engine/rules.h"
#include "core/protocol/wire.h"

namespace zelvan {

bool placePiece(Game& g, Host& host, PieceSource source, int col, int row) {
    const bool blue = source == PieceSource::BlueClick;
    const Side side = blue ? Side::Blue : Side::Red;
    const std::uint32_t serial = g.boardSerial;
    // Every piece, the peer's too, is one placement: while its pause and
    // pumps run, a click or a Play must wait (a Play would abandon the game
    // before this piece has been scanned).
    Hold hold(g.placing);
    bool sent = false;
    if (source == PieceSource::Peer) g.turnPassing = 0;

    if (source != PieceSource::Computer) ++g.moveCount;
    g.cells[cellIndex(col, row)] = colourOf(side);
    g.moves.push_back({static_cast<std::uint8_t>(col), static_cast<std::uint8_t>(row), source});
    if (source == PieceSource::BlueClick || source == PieceSource::Computer) markZone(g, col, row);
    host.drawPiece(side, col, row, false);
    if (blue ? g.markBlueMove : g.markRedMove) host.markMove(side, col, row);
    host.playSound(blue ? Sound::BluePiece : Sound::RedPiece);
    if (blue && !g.soundOff) host.delay(150);  // Blue's click is heard before the reply
    // A Stop, an Exit or a new game during the pause has ended this game:
    // its move is not announced and nothing waits for a reply.
    if (blue && g.connected && g.gameRunning && g.boardSerial == serial) {
        host.sendMessage(moveMessage(col, row));
        host.setCursor(Cursor::Wait);
        g.turnPassing = 1;
        sent = true;
    }
    host.processEvents();

    // The pause and the pump above let other handlers run. A new board (a
    // Play, a received PLAY) now owns the record: leave it alone. A game
    // stopped meanwhile (Stop, STOP received, Exit, lost connection) has
    // already been scored, so this piece must not score it a second time.
    if (g.boardSerial != serial) {
        if (source == PieceSource::Computer) g.busy = 0;
        if (sent) g.turnPassing = 0;
        return false;
    }
    const bool stillRunning = g.gameRunning != 0;
    if (stillRunning) checkFive(g, host);
    if (source == PieceSource::Peer) {
        host.setCursor(Cursor::Normal);
        host.processEvents();
    }
    // Drawing a winning line pumps events too; a new board made then has its
    // own opener, which this piece's turn change must not overwrite.
    if (g.boardSerial != serial) {
        if (source == PieceSource::Computer) g.busy = 0;
        if (sent) g.turnPassing = 0;
        return false;
    }
    // When the peer's reply already landed during the pump, the turn is
    // this side's again.
    const bool answered = sent && !g.turnPassing;
    if (sent) g.turnPassing = 0;
    g.blueToMove = blue && !answered ? 0 : 1;
    if (source == PieceSource::Computer) g.busy = 0;
    host.showTurn();
    host.processEvents();
    return stillRunning;
}

}  // namespace zelvan

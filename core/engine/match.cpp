#include <string>

#include "core/engine/board.h"
#include "core/engine/hold.h"
#include "core/engine/rules.h"
#include "core/protocol/wire.h"

namespace zelvan {

void playButton(Game& g, Host& host) {
    // A Play that arrives while another Play, a placement or the exit is in
    // progress (their pauses pump events) still sounds, but does nothing:
    // otherwise it would abandon the game the outer handler is setting up.
    const bool nested = g.starting || g.placing || g.exiting;
    Hold hold(g.starting);
    host.playSound(Sound::Play);
    if (!g.soundOff) host.delay(200);
    if (nested || g.busy || (g.connected && g.acceptedPeer)) return;

    if (g.gameRunning) abandonGame(g, host, EndReason::Restarted);
    if (g.connected) {
        g.redIsHuman = 1;
        host.showOpponentKind();
    }
    host.startGameClock();
    g.pieceStyle = g.pieceStyleChoice;
    if (!init(g, host)) return;
    const std::uint32_t serial = g.boardSerial;
    if (g.connected) {
        host.sendMessage(playMessage(g.sizeCode, g.blueToMove != 0));
        if (!g.blueToMove) {
            host.setCursor(Cursor::Wait);
            host.processEvents();
        }
    }
    g.gameRunning = 1;
    g.winner = kNone;
    g.busy = 0;
    g.moveCount = 0;
    host.showTurn();
    host.processEvents();
    // The pump may have run a Stop, an Exit or a message from the peer that
    // ended or replaced this game: the computer does not open a game that
    // is no longer there.
    if (g.boardSerial != serial || !g.gameRunning) return;
    if (!g.blueToMove && !g.redIsHuman) computerMove(g, host);
}

void stopButton(Game& g, Host& host) {
    host.playSound(Sound::Click);
    if (g.busy) return;
    if (g.gameRunning) abandonGame(g, host, EndReason::Stopped);
    if (g.connected) host.sendMessage(stopMessage());
    g.gameRunning = 0;
    g.busy = 0;
    g.winner = kNone;
    host.setCursor(Cursor::Normal);
}

void sizeButton(Game& g, Host& host) {
    if (!g.gameRunning) host.playSound(Sound::Click);
    g.sizeCode = g.sizeCode >= 3 ? 1 : g.sizeCode + 1;
    if (!g.gameRunning) init(g, host);
}

void humanComputerButton(Game& g, Host& host) {
    host.playSound(Sound::Click);
    if (g.gameRunning) return;
    g.redIsHuman = g.redIsHuman ? 0 : 1;
    host.showOpponentKind();
}

void boardClick(Game& g, Host& host, MouseButton button, int x, int y) {
    if (!g.gameRunning || g.busy) return;
    // A click that arrives during another placement's pause, a Play or the
    // exit would otherwise be taken as a second piece.
    if (g.placing || g.starting || g.exiting) return;
    const int col = pixelToCell(x, g.cellPitch);
    const int row = pixelToCell(y, g.cellPitch);
    if (x < 0 || y < 0 || !g.onBoard(col, row) || g.cell(col, row) != kNone) return;
    if (button != MouseButton::Left) return;

    if (g.blueToMove) {
        Hold hold(g.placing);
        g.moveCol = col;
        g.moveRow = row;
        const std::uint32_t serial = g.boardSerial;
        placePiece(g, host, PieceSource::BlueClick, col, row);
        if (g.boardSerial == serial && g.gameRunning && !g.redIsHuman) computerMove(g, host);
    } else if (g.redIsHuman && !g.connected) {
        Hold hold(g.placing);
        g.moveCol = col;
        g.moveRow = row;
        placePiece(g, host, PieceSource::RedClick, col, row);
    }
}

void exitSequence(Game& g, Host& host) {
    // Exit runs once: a second Exit or close request during its pauses does
    // nothing.
    if (g.exiting) return;
    g.exiting = 1;
    host.playSound(Sound::Exit);
    if (g.gameRunning) {
        abandonGame(g, host, EndReason::Closed);
        // The game is scored; no move may follow it during the pauses.
        g.gameRunning = 0;
        host.delay(1000);
    }
    if (g.connected) {
        host.hangUp();
        host.delay(300);
    }
    host.saveSettings();
    host.delay(600);
    host.processEvents();
    host.quit();
}

}  // namespace zelvan

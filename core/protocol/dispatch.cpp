#include "core/protocol/dispatch.h"

#include <optional>
#include <string_view>

#include "core/engine/rules.h"
#include "core/protocol/textint.h"
#include "core/protocol/wire.h"

namespace zelvan {

namespace {

// A peer's chat line as it may enter the history and the log: one line of at
// most 255 characters, so a peer cannot forge extra lines in either.
std::string cleanChatText(std::string_view payload) {
    std::string text(payload.substr(0, kMaxChatText));
    for (char& c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 32 || b == 127) c = ' ';
    }
    return text;
}

void receiveStop(Game& g, Host& host) {
    if (g.gameRunning) abandonGame(g, host, EndReason::PeerStopped);
    g.gameRunning = 0;
    g.busy = 0;
    g.winner = kNone;
    host.setCursor(Cursor::Normal);
}

}  // namespace

bool peerMayMove(const Game& g) {
    return g.blueToMove == 0 || g.turnPassing;
}

void dispatchMessage(Game& g, Host& host, const std::string& message) {
    if (message.size() < kCommandLength) return;
    const std::string_view bytes(message);
    const std::string_view command = bytes.substr(0, kCommandLength);
    const std::string_view payload = bytes.substr(kCommandLength);

    // Everything needed is taken from the message before the first pump:
    // a nested read may reuse the caller's buffer.
    if (command == kChatCommand) {
        if (!payload.empty()) {
            const std::string text = cleanChatText(payload);
            host.chatReceived(text);
        }
    } else if (command == kPlayCommand) {
        if (payload.size() >= 2) {
            const char size = payload[0];
            if (size >= '1' && size <= '3') g.sizeCode = static_cast<std::uint8_t>(size - '0');
            g.blueOpens = payload[1] == 'C' ? 1 : 0;
            startRemoteGame(g, host);
        }
    } else if (command == kStopCommand) {
        receiveStop(g, host);
    } else if (command == kMoveCommand) {
        if (g.gameRunning && payload.size() == 4) {
            auto col = textToInt(payload.substr(0, 2));
            auto row = textToInt(payload.substr(2, 2));
            if (!col || !row) col = row = 0;
            applyRemoteMove(g, host, *col, *row);
        }
    }
    host.processEvents();
}

void startRemoteGame(Game& g, Host& host) {
    g.redIsHuman = 1;
    host.showOpponentKind();
    // The socket layer may know of a disconnect it has not reported yet.
    auto peerGone = [&] { return !g.connected || !host.peerConnected(); };
    if (peerGone()) return;

    const std::uint8_t sizeCode = g.sizeCode;
    const std::uint8_t blueOpens = g.blueOpens;
    const std::uint32_t serial = g.boardSerial;
    host.delay(300);
    // The pause let other events run: a lost connection has already ended
    // the old game (or will, once reported), and a newer PLAY has started the
    // game the peer now plays.
    if (peerGone()) return;
    if (g.boardSerial != serial && g.gameRunning) return;
    g.sizeCode = sizeCode;
    g.blueOpens = blueOpens;

    if (g.gameRunning) abandonGame(g, host, EndReason::PeerRestarted);
    host.startGameClock();
    g.pieceStyle = g.pieceStyleChoice;
    if (!init(g, host)) return;
    g.gameRunning = 1;
    g.winner = kNone;
    g.busy = 0;
    g.moveCount = 0;
    host.showTurn();
    host.processEvents();
    if (!g.blueToMove) {
        host.setCursor(Cursor::Wait);
        host.processEvents();
    }
}

void applyRemoteMove(Game& g, Host& host, int col, int row) {
    if (!g.connected) return;
    // Only the peer's own turn in a game against the peer may place a piece,
    // and only on a free cell of this board.
    if (!g.gameRunning || !g.redIsHuman || g.busy) return;
    if (!g.onBoard(col, row) || g.cell(col, row) != kNone || !peerMayMove(g)) return;
    g.moveCol = col;
    g.moveRow = row;
    placePiece(g, host, PieceSource::Peer, col, row);
}

void connectionLostGame(Game& g, Host& host, EndReason why) {
    if (g.gameRunning) {
        abandonGame(g, host, why);
        g.gameRunning = 0;
        g.busy = 0;
        g.winner = kNone;
    }
    host.setCursor(Cursor::Normal);
}

}  // namespace zelvan

#include <algorithm>

#include "core/engine/rules.h"

namespace zelvan {

void gameOverSteps(Game& g, Host& host) {
    const std::uint8_t won = g.winner;
    const std::uint32_t serial = g.boardSerial;
    if (g.connected) {
        host.setCursor(Cursor::Normal);
        host.processEvents();
    }
    // The pump may have run a Stop, a size change or a message from the
    // peer. The game was won all the same and is scored once, for the side
    // that won it; the sound and the blink belong to the line still shown.
    if (g.winner == won && g.boardSerial == serial) {
        host.playSound(won == kBlue ? Sound::BlueWins : Sound::RedWins);
        g.blinkPhase = 1;
        host.setBlinkTimer(true);
    }
    recordResult(g, host, won);
}

void drawWinLine(Game& g, Host& host, bool highlighted) {
    if (highlighted) g.gameRunning = 0;
    if (g.winner == kBlue || g.winner == kRed) {
        const Side side = g.winner == kBlue ? Side::Blue : Side::Red;
        const auto& line = side == Side::Blue ? g.blueLine : g.redLine;
        const int c1 = line[0], r1 = line[1], c2 = line[2], r2 = line[3];
        auto draw = [&](int c, int r) {
            if (g.onBoard(c, r)) host.drawPiece(side, c, r, highlighted);
        };
        if (c1 == c2 || r1 == r2) {
            for (int c = c1; c <= c2; ++c)
                for (int r = r1; r <= r2; ++r)
                    draw(c, r);
        } else if (c1 < c2) {
            for (int k = 0; k <= c2 - c1; ++k)
                draw(c1 + k, r1 + k);
        } else {
            for (int k = 0; k <= c1 - c2; ++k)
                draw(c1 - k, r1 + k);
        }
    }
    host.processEvents();
}

void blinkTick(Game& g, Host& host) {
    if (g.gameRunning || g.winner == kNone) return;
    drawWinLine(g, host, g.blinkPhase == 0);
    g.blinkPhase = g.blinkPhase ? 0 : 1;
}

void abandonGame(Game& g, Host& host) {
    // While this side's move is being handed over the peer already counts it
    // as its own turn; both machines must score the same loser.
    g.winner = (g.blueToMove && !g.turnPassing) ? kRed : kBlue;
    updateScores(g, host);
}

void updateScores(Game& g, Host& host) {
    recordResult(g, host, g.winner);
}

void recordResult(Game& g, Host& host, std::uint8_t won) {
    auto& h = g.resultHistory;
    for (int i = 9; i >= 1; --i)
        h[i] = h[i - 1];
    h[0] = won;

    int total = 0;
    int series = 0;
    for (int i = 0; i < 10; ++i) {
        if (h[i] != won) continue;
        ++total;
        if (i == 0 || h[i - 1] == won) ++series;
    }
    if (won == kBlue) {
        g.scoreBlue = std::min(g.scoreBlue + series, 9999);
        g.scoreRed = std::max(g.scoreRed - total, 0);
    } else if (won == kRed) {
        g.scoreRed = std::min(g.scoreRed + series, 9999);
        g.scoreBlue = std::max(g.scoreBlue - total, 0);
    }
    host.saveSettings();
}

}  // namespace zelvan

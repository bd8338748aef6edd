#include <algorithm>

#include "engine/rules.h"

namespace zelvan {

void gameOverSteps(Game& g, Host& host) {
    if (g.connected) {
        host.setCursor(Cursor::Normal);
        host.processEvents();
    }
    if (!g.soundOff) host.playSound(g.winner == kBlue ? Sound::Succes : Sound::Lose);
    g.blinkPhase = 1;
    host.setBlinkTimer(true);
    updateScores(g, host);
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
                for (int r = r1; r <= r2; ++r) draw(c, r);
        } else if (c1 < c2) {
            for (int k = 0; k <= c2 - c1; ++k) draw(c1 + k, r1 + k);
        } else {
            for (int k = 0; k <= c1 - c2; ++k) draw(c1 - k, r1 + k);
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
    g.winner = g.blueToMove ? kRed : kBlue;
    updateScores(g, host);
}

void updateScores(Game& g, Host& host) {
    auto& h = g.resultHistory;
    for (int i = 9; i >= 1; --i) h[i] = h[i - 1];
    const std::uint8_t w = g.winner;
    h[0] = w;

    int total = 0;
    int series = 0;
    for (int i = 0; i < 10; ++i) {
        if (h[i] != w) continue;
        ++total;
        if (i == 0 || h[i - 1] == w) ++series;
    }
    if (w == kBlue) {
        g.scoreBlue = std::min(g.scoreBlue + series, 9999);
        g.scoreRed = std::max(g.scoreRed - total, 0);
    } else if (w == kRed) {
        g.scoreRed = std::min(g.scoreRed + series, 9999);
        g.scoreBlue = std::max(g.scoreBlue - total, 0);
    }
    host.saveSettings();
}

}  // namespace zelvan

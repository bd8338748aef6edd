#include "core/engine/checkfive.h"

#include "core/engine/rules.h"

namespace zelvan {

namespace {

// Walks every line of the board that can hold five, in the fixed order the
// game relies on: rows, columns, diagonals down-right, anti-diagonals
// down-left. After rows, columns, the diagonals and the anti-diagonals it
// calls groupDone(), which is where checkFive ends the game.
template <class GroupDone> void walkLines(const Game& g, FiveScan& s, GroupDone groupDone) {
    const int n = g.boardSize;
    int blueRun = 0;
    int redRun = 0;
    auto startLine = [&] { blueRun = redRun = 0; };
    // One cell of a line walked in direction (dc, dr).
    auto visit = [&](int c, int r, int dc, int dr) {
        const std::uint8_t v = g.cells[cellIndex(c, r)];
        if (v == kBlue) {
            ++blueRun;
            redRun = 0;
        } else if (v == kRed) {
            ++redRun;
            blueRun = 0;
        } else {
            blueRun = redRun = 0;
        }
        if (blueRun >= 5) s.blueLine = {c - dc * (blueRun - 1), r - dr * (blueRun - 1), c, r};
        if (redRun >= 5) s.redLine = {c - dc * (redRun - 1), r - dr * (redRun - 1), c, r};
        if (blueRun >= 5) s.winner = kBlue;
        if (redRun >= 5) s.winner = kRed;
    };

    for (int r = 1; r <= n; ++r) {
        startLine();
        for (int c = 1; c <= n; ++c)
            visit(c, r, 1, 0);
    }
    groupDone();
    for (int c = 1; c <= n; ++c) {
        startLine();
        for (int r = 1; r <= n; ++r)
            visit(c, r, 0, 1);
    }
    groupDone();
    for (int d = 0; d <= n - 5; ++d) {
        startLine();
        for (int c = 1; c <= n - d; ++c)
            visit(c, c + d, 1, 1);
    }
    for (int d = 1; d <= n - 5; ++d) {
        startLine();
        for (int r = 1; r <= n - d; ++r)
            visit(r + d, r, 1, 1);
    }
    groupDone();
    for (int i = 1; i <= n - 4; ++i) {
        startLine();
        for (int c = n; c >= i; --c)
            visit(c, n + i - c, -1, 1);
    }
    for (int j = 5; j <= n - 1; ++j) {
        startLine();
        for (int r = 1; r <= j; ++r)
            visit(j + 1 - r, r, -1, 1);
    }
    groupDone();
}

}  // namespace

FiveScan scanFive(const Game& g) {
    FiveScan s;
    walkLines(g, s, [] {});
    return s;
}

void checkFive(Game& g, Host& host) {
    // The scan works on the record's own winner and lines: a line recorded
    // by an earlier game stays until a new run overwrites it.
    FiveScan s{g.winner, g.blueLine, g.redLine};
    const std::uint32_t serial = g.boardSerial;
    std::uint8_t found = kNone;
    bool interrupted = false;
    walkLines(g, s, [&] {
        // Drawing the line lets events run. A Stop (or a received STOP)
        // clears the winner, a size change or a new game makes a new board;
        // after either the line is neither drawn again nor blinked.
        if (interrupted || (found != kNone && (g.winner != found || g.boardSerial != serial))) {
            interrupted = true;
            return;
        }
        g.winner = s.winner;
        g.blueLine = s.blueLine;
        g.redLine = s.redLine;
        found = g.winner;
        if (g.winner != kNone) drawWinLine(g, host, true);
    });
    if (interrupted) {
        // The game was won all the same, and is scored once.
        recordResult(g, host, found);
        host.gameEnded({EndReason::Five, found});
        return;
    }
    if (g.winner != kNone) gameOverSteps(g, host);
    if (g.boardSize * g.boardSize == g.moveCount) {
        g.gameRunning = 0;
        if (found == kNone) {
            // A draw: nobody waits for a move any more, on either machine.
            if (g.connected) host.setCursor(Cursor::Normal);
            host.gameEnded({EndReason::FullBoard, kNone});
        }
    }
}

}  // namespace zelvan

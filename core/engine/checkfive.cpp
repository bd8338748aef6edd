#include "core/engine/checkfive.h"

namespace zelvan {

void walkFive(const Position& p, FiveScan& s, const std::function<void()>& groupDone) {
    const int n = p.boardSize();
    int blueRun = 0;
    int redRun = 0;
    auto startLine = [&] { blueRun = redRun = 0; };
    // One cell of a line walked in direction (dc, dr).
    auto visit = [&](int c, int r, int dc, int dr) {
        const std::uint8_t v = p.cell(c, r);
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

FiveScan scanFive(const Position& p) {
    FiveScan s;
    walkFive(p, s, [] {});
    return s;
}

}  // namespace zelvan

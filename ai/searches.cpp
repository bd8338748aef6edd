#include "ai/searches.h"

#include "ai/linescanner.h"

namespace zelvan {

namespace {

bool isCandidate(const Game& g, int c, int r) {
    const int i = cellIndex(c, r);
    return g.cells[i] == kNone && g.zone[i] == kZoneMark;
}

// Calls f(col, row) for every empty cell on the board within four cells of
// (c, r) along the row, the column, the diagonal and the anti-diagonal.
template <class F> void forEachFollowUp(const Game& g, int c, int r, F f) {
    static constexpr int kSteps[4][2] = {{1, 0}, {0, 1}, {1, 1}, {-1, 1}};
    const int n = g.boardSize;
    for (const auto& step : kSteps)
        for (int d = -4; d <= 4; ++d) {
            const int fc = c + d * step[0];
            const int fr = r + d * step[1];
            if (fc < 1 || fc > n || fr < 1 || fr > n) continue;
            if (g.cells[cellIndex(fc, fr)] != kNone) continue;
            if (d != 0) f(fc, fr);
        }
}

int neighbourPieces(const Game& g, int c, int r, std::uint8_t colour) {
    int count = 0;
    for (int dc = -1; dc <= 1; ++dc)
        for (int dr = -1; dr <= 1; ++dr) {
            if ((dc == 0 && dr == 0) || !g.onBoard(c + dc, r + dr)) continue;
            const std::uint8_t v = g.cells[cellIndex(c + dc, r + dr)];
            count += colour == kNone ? v != kNone : v == colour;
        }
    return count;
}

struct AttackResult {
    int threatBest = 0;
    Cell threatCell;
    int sumBest = 0;
    Cell sumCell;
    int shapeBest = 0;
    Cell shapeCell;
};

// One pass of the attack family for `own`. kShape: the member ranks shapes.
// kGated: a follow-up cell adds only where own threat test holds there.
template <bool kShape, bool kGated>
AttackResult attackScan(const Game& g, int own, ScanOrder order) {
    LineScanner scanner(g);
    AttackResult a;
    scanBoard(g.boardSize, order, [&](int c, int r) {
        if (!isCandidate(g, c, r)) return false;
        const LineCounts here = scanner.eval(own, c, r);
        if constexpr (kShape) {
            if (shapeScore(here) > a.shapeBest) {
                a.shapeBest = shapeScore(here);
                a.shapeCell = {c, r};
            }
        }
        if (isThreat(here) && threatScore(here) >= a.threatBest) {
            a.threatBest = threatScore(here);
            a.threatCell = {c, r};
        }
        // Once a threat cell exists, candidates are only ranked by threat.
        if (a.threatBest != 0) return false;
        int sum = 0;
        scanner.place(own, c, r);
        forEachFollowUp(g, c, r, [&](int fc, int fr) {
            const LineCounts there = scanner.eval(own, fc, fr);
            if (!kGated || isThreat(there)) sum += fullScore(there);
        });
        scanner.lift(own, c, r);
        if (sum > a.sumBest) {
            a.sumBest = sum;
            a.sumCell = {c, r};
        }
        return false;
    });
    return a;
}

template <bool kShape, bool kGated>
Cell attackSearch(const Game& g, int own, ScanOrder order, bool firstFallback,
                  ScanDraw* fallbackDraw) {
    const AttackResult a = attackScan<kShape, kGated>(g, own, order);
    if (a.threatBest > 0) return a.threatCell;
    if (a.sumBest > 0) return a.sumCell;
    if (kShape && a.shapeBest > 0) return a.shapeCell;
    const ScanOrder fallback = fallbackDraw ? fallbackDraw->next() : kFixedOrder;
    return nearPieceCell(g, fallback, firstFallback);
}

// One pass of the defence family for `own` against the other colour.
Cell defenceSearch(const Game& g, int own, ScanOrder order) {
    const int opponent = 1 - own;
    const std::uint8_t opponentCode = colourCode(opponent);
    LineScanner scanner(g);
    int threatBest = 0;
    int tieBest = 0;
    Cell threatCell;
    int sumBest = 0;
    Cell sumCell;
    scanBoard(g.boardSize, order, [&](int c, int r) {
        if (!isCandidate(g, c, r)) return false;
        const LineCounts theirs = scanner.eval(opponent, c, r);
        if (isThreat(theirs)) {
            const int t = threatScore(theirs);
            if (t == threatBest) {
                const int mine = fullScore(scanner.eval(own, c, r));
                if (mine > tieBest) {
                    tieBest = mine;
                    threatCell = {c, r};
                }
            } else if (t > threatBest) {
                threatBest = t;
                tieBest = fullScore(scanner.eval(own, c, r));
                threatCell = {c, r};
            }
        }
        if (threatBest != 0) return false;
        int sum = 0;
        scanner.place(opponent, c, r);
        forEachFollowUp(g, c, r,
                        [&](int fc, int fr) { sum += lineValue(scanner.eval(opponent, fc, fr)); });
        scanner.lift(opponent, c, r);
        sum += 100 * neighbourPieces(g, c, r, opponentCode);
        if (sum >= sumBest) {
            sumBest = sum;
            sumCell = {c, r};
        }
        return false;
    });
    return threatBest > 0 ? threatCell : sumCell;
}

}  // namespace

Cell nearPieceCell(const Game& g, ScanOrder order, bool first) {
    Cell found;
    scanBoard(g.boardSize, order, [&](int c, int r) {
        if (!isCandidate(g, c, r) || neighbourPieces(g, c, r, kNone) == 0) return false;
        found = {c, r};
        return first;
    });
    return found;
}

Cell simRedMove(const Game& g) {
    return attackSearch<true, true>(g, kRedSide, kFixedOrder, false, nullptr);
}

Cell simBlueAttack(const Game& g) {
    return attackSearch<true, false>(g, kBlueSide, kFixedOrder, true, nullptr);
}

Cell simBlueBlock(const Game& g) {
    return defenceSearch(g, kBlueSide, kFixedOrder);
}

Cell redAttack(const Game& g, ScanDraw& draw) {
    const ScanOrder order = draw.next();
    return attackSearch<true, true>(g, kRedSide, order, false, &draw);
}

Cell redPlainAttack(const Game& g, ScanDraw& draw) {
    const ScanOrder order = draw.next();
    return attackSearch<false, false>(g, kRedSide, order, false, &draw);
}

Cell redDefend(const Game& g, ScanDraw& draw) {
    return defenceSearch(g, kRedSide, draw.next());
}

}  // namespace zelvan

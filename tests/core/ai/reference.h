#pragma once
// The computer player's measurement and searches written the slow way, step
// by step as the rules read, on a copy of the board with real trial pieces.
// The fast versions must agree with these everywhere.

#include <algorithm>
#include <array>

#include "core/ai/scanorder.h"
#include "core/ai/searches.h"
#include "core/engine/position.h"

namespace zelvan::test {

using Counts = std::array<int, 6>;  // entries 1..5

// Writes the piece, counts each direction's windows, reduces, adds, lifts.
inline Counts referenceCounts(Position& g, std::uint8_t own, int c, int r) {
    const int n = g.boardSize();
    const std::uint8_t other = own == kBlue ? kRed : kBlue;
    g.setCell(c, r, own);
    Counts total{};
    auto window = [&](Counts& dir, int c0, int r0, int dc, int dr) {
        int mine = 0;
        int theirs = 0;
        for (int k = 0; k < 5; ++k) {
            const std::uint8_t v = g.cell(c0 + k * dc, r0 + k * dr);
            mine += v == own;
            theirs += v == other;
        }
        if (mine >= 1 && theirs == 0) ++dir[mine];
    };
    auto reduceAndAdd = [&](Counts& dir) {
        if (dir[5] > 0) dir[4] = dir[3] = dir[2] = 0;
        if (dir[4] > 0) dir[3] = dir[2] = 0;
        for (int k = 1; k <= 5; ++k)
            total[k] += dir[k];
    };
    Counts h{};
    for (int s = std::max(c - 4, 1); s <= std::min(c, n - 4); ++s)
        window(h, s, r, 1, 0);
    reduceAndAdd(h);
    Counts v{};
    for (int s = std::max(r - 4, 1); s <= std::min(r, n - 4); ++s)
        window(v, c, s, 0, 1);
    reduceAndAdd(v);
    Counts d{};
    for (int i = 0; i <= 4 && c - i >= 1 && r - i >= 1; ++i)
        if (c - i + 4 <= n && r - i + 4 <= n) window(d, c - i, r - i, 1, 1);
    reduceAndAdd(d);
    Counts a{};
    for (int i = 0; i <= 4 && c + i <= n && r - i >= 1; ++i)
        if (c + i - 4 >= 1 && r - i + 4 <= n) window(a, c + i, r - i, -1, 1);
    reduceAndAdd(a);
    g.setCell(c, r, kNone);
    return total;
}

inline bool refThreat(const Counts& l) {
    return l[5] >= 1 || l[4] >= 2 || l[3] >= 4 || (l[4] >= 1 && l[3] >= 2);
}
inline int refThreatScore(const Counts& l) {
    return 1000 * l[5] + 100 * l[4] + 10 * l[3];
}
inline int refFullScore(const Counts& l) {
    return refThreatScore(l) + l[2];
}
inline int refLineValue(const Counts& l) {
    return l[5] > 0 ? 1000 * l[5] : l[4] > 0 ? 100 * l[4] : l[3] > 0 ? 10 * l[3] : 0;
}

template <class Visit> void refScan(int n, ScanOrder o, Visit visit) {
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            if (visit(o.colsUp ? 1 + i : n - i, o.rowsUp ? 1 + j : n - j)) return;
}

inline bool refCandidate(const Position& g, int c, int r) {
    return g.cell(c, r) == kNone && g.inZone(c, r);
}

inline bool refNextToPiece(const Position& g, int c, int r) {
    for (int dc = -1; dc <= 1; ++dc)
        for (int dr = -1; dr <= 1; ++dr)
            if ((dc || dr) && g.onBoard(c + dc, r + dr) && g.cell(c + dc, r + dr) != kNone)
                return true;
    return false;
}

template <class F> void refFollowUps(const Position& g, int c, int r, F f) {
    for (int d = -4; d <= 4; ++d)
        if (g.onBoard(c + d, r) && g.cell(c + d, r) == kNone) f(c + d, r);
    for (int d = -4; d <= 4; ++d)
        if (g.onBoard(c, r + d) && g.cell(c, r + d) == kNone) f(c, r + d);
    for (int d = -4; d <= 4; ++d)
        if (g.onBoard(c + d, r + d) && g.cell(c + d, r + d) == kNone) f(c + d, r + d);
    for (int d = -4; d <= 4; ++d)
        if (g.onBoard(c - d, r + d) && g.cell(c - d, r + d) == kNone) f(c - d, r + d);
}

// The attack family. firstFallback: the fallback stops at its first cell.
inline Cell referenceAttack(Position g, std::uint8_t own, ScanOrder order, bool shape, bool gated,
                            ScanOrder fallbackOrder, bool firstFallback) {
    int threatBest = 0, sumBest = 0, shapeBest = 0;
    Cell threatCell, sumCell, shapeCell;
    refScan(g.boardSize(), order, [&](int c, int r) {
        if (!refCandidate(g, c, r)) return false;
        int sum = 0;
        const Counts l = referenceCounts(g, own, c, r);
        if (shape && l[3] + l[2] > shapeBest) {
            shapeBest = l[3] + l[2];
            shapeCell = {c, r};
        }
        if (refThreat(l) && refThreatScore(l) >= threatBest) {
            threatBest = refThreatScore(l);
            threatCell = {c, r};
        }
        if (threatBest != 0) return false;
        g.setCell(c, r, own);
        refFollowUps(g, c, r, [&](int fc, int fr) {
            const Counts f = referenceCounts(g, own, fc, fr);
            if (!gated || refThreat(f)) sum += refFullScore(f);
        });
        g.setCell(c, r, kNone);
        if (sum > sumBest) {
            sumBest = sum;
            sumCell = {c, r};
        }
        return false;
    });
    if (threatBest > 0) return threatCell;
    if (sumBest > 0) return sumCell;
    if (shape && shapeBest > 0) return shapeCell;
    Cell near;
    refScan(g.boardSize(), fallbackOrder, [&](int c, int r) {
        if (!refCandidate(g, c, r) || !refNextToPiece(g, c, r)) return false;
        near = {c, r};
        return firstFallback;
    });
    return near;
}

// The defence family: own blocks the other colour.
inline Cell referenceDefence(Position g, std::uint8_t own, ScanOrder order) {
    const std::uint8_t opp = own == kBlue ? kRed : kBlue;
    int threatBest = 0, tieBest = 0, sumBest = 0;
    Cell threatCell, result;
    refScan(g.boardSize(), order, [&](int c, int r) {
        if (!refCandidate(g, c, r)) return false;
        int sum = 0;
        const Counts theirs = referenceCounts(g, opp, c, r);
        if (refThreat(theirs)) {
            const int t = refThreatScore(theirs);
            if (t == threatBest) {
                const int mine = refFullScore(referenceCounts(g, own, c, r));
                if (mine > tieBest) {
                    tieBest = mine;
                    threatCell = {c, r};
                }
            } else if (t > threatBest) {
                threatBest = t;
                tieBest = refFullScore(referenceCounts(g, own, c, r));
                threatCell = {c, r};
            }
        }
        if (threatBest != 0) return false;
        g.setCell(c, r, opp);
        refFollowUps(g, c, r,
                     [&](int fc, int fr) { sum += refLineValue(referenceCounts(g, opp, fc, fr)); });
        g.setCell(c, r, kNone);
        for (int dc = -1; dc <= 1; ++dc)
            for (int dr = -1; dr <= 1; ++dr)
                if ((dc || dr) && g.onBoard(c + dc, r + dr) && g.cell(c + dc, r + dr) == opp)
                    sum += 100;
        if (sum >= sumBest) {
            sumBest = sum;
            result = {c, r};
        }
        return false;
    });
    return threatBest > 0 ? threatCell : result;
}

}  // namespace zelvan::test

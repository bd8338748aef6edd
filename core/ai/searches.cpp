#include "core/ai/searches.h"

#include <bit>

#include "core/ai/linescanner.h"

namespace zelvan {

namespace {

bool isCandidate(const Position& g, int c, int r) {
    return g.isCandidate(c, r);
}

// One side's measurement at the empty cells of the board as it stands, by
// direction, taken when a cell is first needed during one search. A trial
// piece of that side changes only the direction that runs through it, so a
// follow-up cell's counts are its memo minus that direction plus the
// direction measured again with the trial piece on the line.
class Measurements {
public:
    Measurements(const LineScanner& scanner, int side) : scanner_(scanner), side_(side) {
        for (Entry& e : entries_)
            e.total = kUnset;
    }

    const LineScanner& scanner() const { return scanner_; }

    LineCounts at(int c, int r) { return LineCounts{entry(c, r).total}; }

    // The counts at the follow-up cell at `pos` on line `l`, with a trial
    // piece of this side at l.pos.
    LineCounts withTrialPiece(const Line& l, int pos) {
        int c = 0, r = 0;
        cellOnLine(l, pos, c, r);
        const Entry& e = entry(c, r);
        const Line through{l.dir, l.index, pos};
        return LineCounts{e.total - e.dir[l.dir] +
                          scanner_.direction(side_, through, LineScanner::ownBit(l.pos))};
    }

private:
    static constexpr std::uint32_t kUnset = ~std::uint32_t{0};  // no count reaches it
    struct Entry {
        std::uint32_t total;
        std::uint32_t dir[4];
    };

    const Entry& entry(int c, int r) {
        Entry& e = entries_[cellIndex(c, r)];
        if (e.total == kUnset) {
            std::uint32_t total = 0;
            for (int d = 0; d < 4; ++d)
                total += e.dir[d] = scanner_.direction(side_, lineThrough(d, c, r));
            e.total = total;
        }
        return e;
    }

    const LineScanner& scanner_;
    int side_;
    Entry entries_[kCellCount];
};

// Calls f(counts) for every follow-up cell of the candidate (c, r): the
// empty cells of the board within four cells of it along the row, the
// column, the diagonal and the anti-diagonal, measured with a trial piece of
// the memo's side on the candidate.
template <class F> void forEachFollowUp(Measurements& m, int c, int r, F f) {
    for (int dir = 0; dir < 4; ++dir) {
        const Line l = lineThrough(dir, c, r);
        for (unsigned bits = m.scanner().emptyAround(l); bits != 0; bits &= bits - 1)
            f(m.withTrialPiece(l, l.pos - 4 + std::countr_zero(bits)));
    }
}

int neighbourPieces(const Position& g, int c, int r, std::uint8_t colour) {
    int count = 0;
    for (int dc = -1; dc <= 1; ++dc)
        for (int dr = -1; dr <= 1; ++dr) {
            if ((dc == 0 && dr == 0) || !g.onBoard(c + dc, r + dr)) continue;
            const std::uint8_t v = g.cell(c + dc, r + dr);
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
AttackResult attackScan(const Position& g, int own, ScanOrder order) {
    const LineScanner scanner(g);
    Measurements m(scanner, own);
    AttackResult a;
    scanBoard(g.boardSize(), order, [&](int c, int r) {
        if (!isCandidate(g, c, r)) return false;
        const LineCounts here = m.at(c, r);
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
        forEachFollowUp(m, c, r, [&](LineCounts there) {
            if (!kGated || isThreat(there)) sum += fullScore(there);
        });
        if (sum > a.sumBest) {
            a.sumBest = sum;
            a.sumCell = {c, r};
        }
        return false;
    });
    return a;
}

template <bool kShape, bool kGated>
Cell attackSearch(const Position& g, int own, ScanOrder order, bool firstFallback,
                  ScanDraw* fallbackDraw) {
    const AttackResult a = attackScan<kShape, kGated>(g, own, order);
    if (a.threatBest > 0) return a.threatCell;
    if (a.sumBest > 0) return a.sumCell;
    if (kShape && a.shapeBest > 0) return a.shapeCell;
    const ScanOrder fallback = fallbackDraw ? fallbackDraw->next() : kFixedOrder;
    return nearPieceCell(g, fallback, firstFallback);
}

// One pass of the defence family for `own` against the other colour.
Cell defenceSearch(const Position& g, int own, ScanOrder order) {
    const int opponent = 1 - own;
    const std::uint8_t opponentCode = colourCode(opponent);
    const LineScanner scanner(g);
    Measurements m(scanner, opponent);
    int threatBest = 0;
    int tieBest = 0;
    Cell threatCell;
    int sumBest = 0;
    Cell sumCell;
    scanBoard(g.boardSize(), order, [&](int c, int r) {
        if (!isCandidate(g, c, r)) return false;
        const LineCounts theirs = m.at(c, r);
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
        forEachFollowUp(m, c, r, [&](LineCounts there) { sum += lineValue(there); });
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

Cell nearPieceCell(const Position& g, ScanOrder order, bool first) {
    Cell found;
    scanBoard(g.boardSize(), order, [&](int c, int r) {
        if (!isCandidate(g, c, r) || neighbourPieces(g, c, r, kNone) == 0) return false;
        found = {c, r};
        return first;
    });
    return found;
}

Cell simRedMove(const Position& g) {
    return attackSearch<true, true>(g, kRedSide, kFixedOrder, false, nullptr);
}

Cell simBlueAttack(const Position& g) {
    return attackSearch<true, false>(g, kBlueSide, kFixedOrder, true, nullptr);
}

Cell simBlueBlock(const Position& g) {
    return defenceSearch(g, kBlueSide, kFixedOrder);
}

Cell redAttack(const Position& g, ScanDraw& draw) {
    const ScanOrder order = draw.next();
    return attackSearch<true, true>(g, kRedSide, order, false, &draw);
}

Cell redPlainAttack(const Position& g, ScanDraw& draw) {
    const ScanOrder order = draw.next();
    return attackSearch<false, false>(g, kRedSide, order, false, &draw);
}

Cell redDefend(const Position& g, ScanDraw& draw) {
    return defenceSearch(g, kRedSide, draw.next());
}

}  // namespace zelvan

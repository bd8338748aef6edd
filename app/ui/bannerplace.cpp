#include "app/ui/bannerplace.h"

#include <algorithm>
#include <cstdlib>

#include "app/ui/boardpicture.h"
#include "core/engine/matchcontrol.h"

namespace zelvan {

namespace {

// How far in from the board's edge the banner sits at most, and how far
// apart the places tried are.
constexpr int kInset = 6;
constexpr int kStep = 4;

int sign(int v) {
    return (v > 0) - (v < 0);
}

int covered(const QRect& place, const std::vector<QRect>& areas) {
    return static_cast<int>(std::count_if(areas.begin(), areas.end(),
                                          [&](const QRect& a) { return place.intersects(a); }));
}

}  // namespace

std::vector<QPoint> lineCells(int c1, int r1, int c2, int r2) {
    const int dc = sign(c2 - c1);
    const int dr = sign(r2 - r1);
    const int steps = std::max(std::abs(c2 - c1), std::abs(r2 - r1));
    std::vector<QPoint> cells;
    for (int k = 0; k <= steps; ++k)
        cells.emplace_back(c1 + k * dc, r1 + k * dr);
    return cells;
}

BoardClearance clearanceOf(const MatchControl& match, const BoardPicture& board) {
    BoardClearance clear;
    const QPoint corner = board.pos();
    auto area = [&](int c, int r) {
        return board.cellRect(c, r).toAlignedRect().translated(corner);
    };
    std::vector<QPoint> line;
    const Position& position = match.position();
    if (match.winner() == kBlue || match.winner() == kRed) {
        const auto& l = match.winner() == kBlue ? match.blueLine() : match.redLine();
        line = lineCells(l[0], l[1], l[2], l[3]);
    }
    for (int c = 1; c <= position.boardSize(); ++c)
        for (int r = 1; r <= position.boardSize(); ++r) {
            if (position.cell(c, r) == kNone) continue;
            const bool inLine = std::find(line.begin(), line.end(), QPoint(c, r)) != line.end();
            (inLine ? clear.mustShow : clear.ratherShow).push_back(area(c, r));
        }
    return clear;
}

bool leavesInView(const QRect& place, const BoardClearance& clear) {
    return covered(place, clear.mustShow) == 0;
}

QRect bannerPlace(const QRect& board, QSize banner, const BoardClearance& clear) {
    const int x = board.left() + (board.width() - banner.width()) / 2;
    const int highest = board.top() + kInset;
    const int lowest = board.bottom() - kInset - banner.height() + 1;
    // The places to try, best first: the bottom edge band, the top one,
    // then inwards from both edges in turn, a few pixels at a time.
    std::vector<int> tops = {lowest, highest};
    for (int in = kStep; lowest - in > highest + in; in += kStep) {
        tops.push_back(lowest - in);
        tops.push_back(highest + in);
    }
    // What must show counts before everything, the pieces hidden next,
    // then the order above.
    QRect best;
    long bestCost = 0;
    for (std::size_t i = 0; i < tops.size(); ++i) {
        const QRect place(QPoint(x, tops[i]), banner);
        const long cost = covered(place, clear.mustShow) * 1000000L +
                          covered(place, clear.ratherShow) * 1000L + static_cast<long>(i);
        if (best.isNull() || cost < bestCost) {
            best = place;
            bestCost = cost;
        }
    }
    return best;
}

}  // namespace zelvan

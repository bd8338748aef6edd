#include "bench/match/greedyplayer.h"

namespace zelvan::match {

namespace {

using gomocup::Point;

// What a line of five is worth by the stones already in it: for this side
// when only its own stones are there, against the opponent when only the
// opponent's are. Four own stones make the five; four of the opponent's
// must be blocked; each step up a line is worth about ten of the last.
constexpr long kAttack[5] = {1, 12, 120, 1500, 1'000'000};
constexpr long kDefence[5] = {0, 10, 100, 1000, 100'000};

// Cells farther than this from every stone are not worth a look.
constexpr int kReach = 2;

}  // namespace

void GreedyPlayer::newGame(int boardSize) {
    size_ = boardSize;
    cells_.assign(static_cast<std::size_t>(boardSize) * boardSize, kEmpty);
}

void GreedyPlayer::place(Point p, gomocup::Side side) {
    cell(p) = side == gomocup::Side::Own ? kOwn : kOpponent;
}

int GreedyPlayer::at(int col, int row) const {
    if (col < 1 || row < 1 || col > size_ || row > size_) return -1;
    return cells_[(row - 1) * size_ + (col - 1)];
}

long GreedyPlayer::score(Point p) const {
    long total = 0;
    for (const auto& [dc, dr] : {std::pair{1, 0}, {0, 1}, {1, 1}, {1, -1}})
        for (int start = -4; start <= 0; ++start) {
            int own = 0;
            int opponent = 0;
            bool onBoard = true;
            for (int k = start; k < start + 5 && onBoard; ++k) {
                if (k == 0) continue;
                const int v = at(p.col + k * dc, p.row + k * dr);
                onBoard = v >= 0;
                own += v == kOwn;
                opponent += v == kOpponent;
            }
            if (!onBoard) continue;
            if (opponent == 0) total += kAttack[own];
            if (own == 0) total += kDefence[opponent];
        }
    return total;
}

Point GreedyPlayer::choose(const gomocup::ClockInfo&) {
    auto nearStone = [&](int col, int row) {
        for (int dc = -kReach; dc <= kReach; ++dc)
            for (int dr = -kReach; dr <= kReach; ++dr)
                if (at(col + dc, row + dr) > 0) return true;
        return false;
    };
    std::vector<Point> best;
    long bestScore = -1;
    bool anyStone = false;
    for (int v : cells_)
        anyStone = anyStone || v != kEmpty;
    for (int row = 1; row <= size_; ++row)
        for (int col = 1; col <= size_; ++col) {
            if (at(col, row) != kEmpty || (anyStone && !nearStone(col, row))) continue;
            const long s = score({col, row});
            if (s > bestScore) best.clear();
            if (s >= bestScore) {
                bestScore = s;
                best.push_back({col, row});
            }
        }
    if (!anyStone) return {(size_ + 1) / 2, (size_ + 1) / 2};
    if (best.empty()) {
        // Every cell near the stones is taken: any empty cell will do.
        for (int row = 1; row <= size_; ++row)
            for (int col = 1; col <= size_; ++col)
                if (at(col, row) == kEmpty) return {col, row};
        return {};
    }
    // Equal cells are drawn at random, so games vary.
    return best[random_.below(static_cast<std::uint32_t>(best.size()))];
}

}  // namespace zelvan::match

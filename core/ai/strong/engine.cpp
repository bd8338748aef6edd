#include "core/ai/strong/engine.h"

#include <algorithm>
#include <vector>

namespace zelvan::strong {

// A first, plain player: it completes its own five, blocks the opponent's,
// and otherwise plays beside its own longest run. The real search replaces it.
class Search {
public:
    int size = 15;
    std::vector<Stone> cells = std::vector<Stone>(15 * 15, Stone::None);
    ThinkStats stats;

    bool inside(int col, int row) const {
        return col >= 1 && row >= 1 && col <= size && row <= size;
    }
    Stone& cell(int col, int row) { return cells[(row - 1) * size + (col - 1)]; }
    Stone cellAt(int col, int row) const {
        return inside(col, row) ? cells[(row - 1) * size + (col - 1)] : Stone::None;
    }

    // The longest run through (col, row) if `s` stood there.
    int runThrough(int col, int row, Stone s) const {
        static constexpr int kDirs[4][2] = {{1, 0}, {0, 1}, {1, 1}, {1, -1}};
        int best = 0;
        for (const auto& d : kDirs) {
            int run = 1;
            for (int sign : {-1, 1}) {
                for (int k = 1; cellAt(col + sign * k * d[0], row + sign * k * d[1]) == s; ++k)
                    ++run;
            }
            best = std::max(best, run);
        }
        return best;
    }

    Point choose(Stone me) {
        Point best;
        int bestScore = -1;
        for (int row = 1; row <= size; ++row) {
            for (int col = 1; col <= size; ++col) {
                if (cellAt(col, row) != Stone::None) continue;
                const int mine = runThrough(col, row, me);
                const int theirs = runThrough(col, row, opponentOf(me));
                const int score = mine >= 5 ? 1000 : theirs >= 5 ? 500 : mine * 10 + theirs;
                if (score > bestScore) {
                    bestScore = score;
                    best = {col, row};
                }
            }
        }
        return best;
    }
};

Engine::Engine(std::size_t) : search_(std::make_unique<Search>()) {}
Engine::~Engine() = default;

void Engine::newGame(int boardSize) {
    search_->size = std::clamp(boardSize, 5, 32);
    search_->cells.assign(search_->size * search_->size, Stone::None);
}

bool Engine::place(Point p, Stone s) {
    if (s == Stone::None || !search_->inside(p.col, p.row)) return false;
    Stone& c = search_->cell(p.col, p.row);
    if (c != Stone::None) return false;
    c = s;
    return true;
}

bool Engine::takeBack(Point p) {
    if (!search_->inside(p.col, p.row)) return false;
    Stone& c = search_->cell(p.col, p.row);
    if (c == Stone::None) return false;
    c = Stone::None;
    return true;
}

Stone Engine::at(Point p) const {
    return search_->cellAt(p.col, p.row);
}
int Engine::boardSize() const {
    return search_->size;
}
void Engine::setSeed(std::uint64_t) {}

Point Engine::think(Stone toMove, const ThinkLimits&, const std::atomic<bool>*) {
    search_->stats = {};
    const int mid = (search_->size + 1) / 2;
    if (std::all_of(search_->cells.begin(), search_->cells.end(),
                    [](Stone s) { return s == Stone::None; }))
        return {mid, mid};
    return search_->choose(toMove == Stone::None ? Stone::First : toMove);
}

const ThinkStats& Engine::lastStats() const {
    return search_->stats;
}

}  // namespace zelvan::strong

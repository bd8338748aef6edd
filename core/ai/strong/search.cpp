#include "core/ai/strong/search.h"

#include <algorithm>

namespace zelvan::strong {

namespace {

constexpr int kInfinity = 32000;
constexpr std::uint64_t kSecondToMove = 0xC2B2AE3D27D4EB4Full;

// Move order: what a move threatens, and what it takes from the opponent.
constexpr std::array<int, kThreatCount> kAttackOrder = {0, 900, 6000, 1500, 20000, 100000, 1000000};
constexpr std::array<int, kThreatCount> kDefendOrder = {0, 500, 3000, 400, 8000, 50000, 500000};

int toTable(int score, int ply) {
    if (score >= kMateBound) return score + ply;
    if (score <= -kMateBound) return score - ply;
    return score;
}

int fromTable(int score, int ply) {
    if (score >= kMateBound) return score - ply;
    if (score <= -kMateBound) return score + ply;
    return score;
}

}  // namespace

Search::Search(std::size_t hashBytes)
    : table_(hashBytes / 4 * 3), solver_(pos_, budget_, hashBytes / 8 / 16), moveLists_(kMaxPly) {}

void Search::newGame(int size) {
    pos_.reset(size);
    table_.clear();
    solver_.clear();
    for (auto& side : history_)
        side.fill(0);
}

std::uint64_t Search::nextRandom() {
    std::uint64_t z = (random_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::uint64_t Search::key(int side) const {
    return pos_.hash() ^ (side == 1 ? kSecondToMove : 0);
}

int Search::evaluate(int side) const {
    const int mine = pos_.totalScore(side);
    const int theirs = pos_.totalScore(1 - side);
    return (mine * 12 - theirs * 10) / 10;
}

int Search::orderScore(int cell, int side) const {
    const int opp = 1 - side;
    return kAttackOrder[pos_.threat(cell, side)] + kDefendOrder[pos_.threat(cell, opp)] +
           pos_.score(cell, side) * 2 + pos_.score(cell, opp);
}

int Search::think(int side, const ThinkLimits& limits, const std::atomic<bool>* cancel) {
    const auto start = Budget::Clock::now();
    stats_ = {};
    profile_ = profileFor(limits.level);
    // Leave a quarter of the budget: on a busy machine the process may wait
    // tens of milliseconds for a core near the deadline.
    const auto budget = std::chrono::duration_cast<Budget::Clock::duration>(limits.budget);
    const auto margin =
        std::max<Budget::Clock::duration>(budget / 4, std::chrono::milliseconds(15));
    const auto total = std::max<Budget::Clock::duration>(budget - margin, budget / 2);
    budget_.start(start + total, limits.maxNodes, cancel);
    table_.nextAge();
    for (auto& bySide : history_)
        for (int& h : bySide)
            h /= 4;  // older cut-offs count for less
    random_ = seed_ ^ (pos_.hash() * 0x2545F4914F6CDD1Dull);

    const int opp = 1 - side;
    if (pos_.full()) return -1;
    stats_.forced = true;
    if (pos_.stones() == 0) {
        const int mid = (pos_.size() + 1) / 2;
        return Position::index(mid, mid);
    }
    if (pos_.threatCount(side, kMakesFive) > 0) {
        stats_.score = kMate - 1;
        return pos_.findThreat(side, kMakesFive);
    }
    if (pos_.threatCount(opp, kMakesFive) > 0) return pos_.findThreat(opp, kMakesFive);
    if (pos_.threatCount(side, kFlexFour) > 0) {
        stats_.score = kMate - 3;
        return pos_.findThreat(side, kFlexFour);
    }

    // The think's time (and nodes) by phase, cumulative: its own win by
    // fours, by threes, the guard against the opponent's, then the search.
    auto phase = [&](int percent) {
        budget_.phase(start + total * percent / 100,
                      limits.maxNodes == 0 ? UINT64_MAX : limits.maxNodes * percent / 100);
    };
    phase(5);
    int win = solver_.winByFours(side, profile_.ownFours);
    if (win < 0 && profile_.ownThreatMoves > 0 && !budget_.finished()) {
        phase(profile_.ownThreatsUntil);
        // Shallow wins first: a deep search can wander long in its first branch.
        for (int moves = 2; win < 0 && moves <= profile_.ownThreatMoves && !budget_.stopped();
             moves += 2)
            win = solver_.winByThreats(side, moves, profile_.threatFours);
    }
    if (win >= 0) {
        stats_.score = kMateBound;
        stats_.nodes = budget_.nodes();
        return win;
    }
    stats_.forced = false;

    root_ = rootMoves(side);
    if (!budget_.finished()) {
        phase(profile_.guardUntil);
        guardAgainstThreats(side, root_);
    }

    int best = root_.front();
    const auto searchStart = Budget::Clock::now();
    const auto searchTime = start + total - searchStart;
    const int maxDepth = limits.maxDepth > 0 ? std::min(limits.maxDepth, kMaxPly / 2) : kMaxPly / 2;
    for (int depth = 1; depth <= maxDepth && !budget_.finished(); ++depth) {
        budget_.phase(start + total, UINT64_MAX);
        // A full window: the evaluation swings too much from one depth to
        // the next for a narrow one to pay.
        const int score = rootSearch(side, depth, -kInfinity, kInfinity);
        if (budget_.stopped()) {
            // A move that beat the previous best before the stop is still better.
            if (rootBest_ >= 0) best = rootBest_;
            break;
        }
        best = rootBest_;
        stats_.depth = depth;
        stats_.score = score;
        // Bring the best move to the front for the next depth.
        std::rotate(root_.begin(), std::find(root_.begin(), root_.end(), best),
                    std::find(root_.begin(), root_.end(), best) + 1);
        // A win or a loss found here is not a proof: quiet nodes search only
        // their best few moves, so the loser's real answer may have been left
        // out. A deeper search confirms it or finds the way out.
        // The next depth takes several times as long: one that would surely
        // be cut short is not begun.
        if (Budget::Clock::now() - searchStart > searchTime / 2) break;
    }
    stats_.nodes = budget_.nodes();
    return best;
}

// The root's moves: the answers to the opponent's threat when it has one,
// else every candidate, best first, equal ones in a random order.
std::vector<int> Search::rootMoves(int side) {
    std::vector<ScoredMove>& list = moveLists_[0];
    generate(side, 0, -1, false, list);
    if (list.empty()) {
        for (int cell : pos_.candidates())
            list.push_back({cell, orderScore(cell, side)});
    }
    std::vector<std::pair<ScoredMove, std::uint64_t>> shuffled;
    for (const ScoredMove& m : list)
        shuffled.push_back({m, nextRandom()});
    std::sort(shuffled.begin(), shuffled.end(), [](const auto& a, const auto& b) {
        if (a.first.order != b.first.order) return a.first.order > b.first.order;
        return a.second < b.second;
    });
    std::vector<int> moves;
    for (const auto& m : shuffled)
        moves.push_back(m.first.cell);
    if (moves.empty()) {
        // No stone within reach of any empty cell: any empty cell will do.
        for (int cell = 0; cell < Position::kCells && moves.empty(); ++cell)
            if (pos_.isEmpty(cell)) moves.push_back(cell);
    }
    return moves;
}

// The opponent's wins by fours are guarded against first: that check is
// quick, and a slower one against its threes, cut short on a busy machine,
// must not leave a move open to a win by fours.
bool Search::guardAgainstThreats(int side, std::vector<int>& moves) {
    const bool byFours = guardAgainst(side, moves, false);
    if (profile_.guardThreatMoves == 0 || budget_.stopped()) return byFours;
    return guardAgainst(side, moves, true) || byFours;
}

// When the opponent, were it to move, would win by force, keeps the moves
// after which it no longer does (all of them when none does). The likeliest
// answers are tried first, in case time runs out: the opponent's first
// winning move, our own fours, the cells on that move's lines, then our own
// threes, which answer a threat with one the opponent must answer first.
bool Search::guardAgainst(int side, std::vector<int>& moves, bool threesToo) {
    const int opp = 1 - side;
    auto winningMove = [&] {
        const int fours = solver_.winByFours(opp, profile_.ownFours);
        if (fours >= 0 || !threesToo) return fours;
        return solver_.winByThreats(opp, profile_.guardThreatMoves, profile_.threatFours);
    };
    const int threat = winningMove();
    if (threat < 0 || budget_.stopped()) return false;
    auto priority = [&](int move) {
        if (move == threat) return 0;
        if (pos_.threat(move, side) >= kFour) return 1;
        for (int dir : Position::kDirection) {
            const int offset = move - threat;
            if (offset % dir == 0 && std::abs(offset / dir) <= 4) return 2;
        }
        if (pos_.threat(move, side) >= kThree) return 3;
        return 4;
    };
    std::stable_sort(moves.begin(), moves.end(),
                     [&](int a, int b) { return priority(a) < priority(b); });
    // Only a move shown to lose is dropped. When time runs out partway, the
    // moves not yet checked stay: keeping just the few found safe so far
    // would throw away the best moves whenever the opponent's "win" is one
    // it would never find, which early in a game it often is.
    std::vector<int> kept;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        pos_.place(moves[i], side);
        const bool holds = winningMove() < 0;
        pos_.remove(moves[i]);
        if (budget_.stopped()) {
            kept.insert(kept.end(), moves.begin() + static_cast<std::ptrdiff_t>(i), moves.end());
            break;
        }
        if (holds) kept.push_back(moves[i]);
    }
    if (kept.empty()) return false;
    moves = kept;
    return true;
}

int Search::rootSearch(int side, int depth, int alpha, int beta) {
    const int opp = 1 - side;
    int best = -kInfinity;
    rootBest_ = -1;
    for (std::size_t i = 0; i < root_.size(); ++i) {
        const int move = root_[i];
        pos_.place(move, side);
        int score;
        if (i == 0) {
            score = -pvs(opp, depth - 1, -beta, -alpha, 1);
        } else {
            score = -pvs(opp, depth - 1, -alpha - 1, -alpha, 1);
            if (score > alpha && score < beta && !budget_.stopped())
                score = -pvs(opp, depth - 1, -beta, -alpha, 1);
        }
        pos_.remove(move);
        if (budget_.stopped()) break;
        if (score > best) {
            best = score;
            rootBest_ = move;
            if (score > alpha) alpha = score;
            if (alpha >= beta) break;
        }
    }
    return best;
}

int Search::pvs(int side, int depth, int alpha, int beta, int ply) {
    if (budget_.tick()) return 0;
    const int opp = 1 - side;
    if (pos_.threatCount(side, kMakesFive) > 0) return kMate - ply - 1;
    const int oppFives = pos_.threatCount(opp, kMakesFive);
    if (oppFives > 1) return -(kMate - ply - 2);
    if (pos_.full()) return 0;
    if (oppFives == 1) {
        // The only move: block. It costs no depth.
        const int block = pos_.findThreat(opp, kMakesFive);
        if (block < 0 || ply >= kMaxPly - 1) return evaluate(side);
        pos_.place(block, side);
        const int score = -pvs(opp, depth, -beta, -alpha, ply + 1);
        pos_.remove(block);
        return score;
    }
    if (pos_.threatCount(side, kFlexFour) > 0) return kMate - ply - 3;
    if (ply >= kMaxPly - 1) return evaluate(side);
    // No result can beat a win in the fewest plies left.
    alpha = std::max(alpha, -(kMate - ply));
    beta = std::min(beta, kMate - ply - 1);
    if (alpha >= beta) return alpha;
    if (depth <= 0) return evaluate(side);

    const bool pvNode = beta - alpha > 1;
    const std::uint64_t hash = key(side);
    int ttMove = -1;
    if (const TableEntry* entry = table_.probe(hash)) {
        ttMove = entry->move;
        if (!pvNode && entry->depth >= depth) {
            const int score = fromTable(entry->score, ply);
            if (entry->bound == Bound::Exact || (entry->bound == Bound::Lower && score >= beta) ||
                (entry->bound == Bound::Upper && score <= alpha))
                return score;
        }
    }

    std::vector<ScoredMove>& moves = moveLists_[ply];
    const bool answering = generate(side, ply, ttMove, true, moves);
    if (moves.empty()) {
        // The opponent's flex three cannot be stopped, and no four of ours delays it.
        return answering ? -(kMate - ply - 4) : evaluate(side);
    }

    const int alphaStart = alpha;
    int best = -kInfinity;
    int bestMove = -1;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const int move = moves[i].cell;
        const bool quiet = pos_.threat(move, side) < kThree && pos_.threat(move, opp) < kThree;
        pos_.place(move, side);
        int score;
        if (i == 0) {
            score = -pvs(opp, depth - 1, -beta, -alpha, ply + 1);
        } else {
            // Late quiet moves are searched shallower first.
            int reduction = 0;
            if (!answering && quiet && depth >= 3 && i >= 3 && move != killers_[ply][0] &&
                move != killers_[ply][1])
                reduction = i >= 8 && depth >= 5 ? 2 : 1;
            score = -pvs(opp, depth - 1 - reduction, -alpha - 1, -alpha, ply + 1);
            if (score > alpha && reduction > 0 && !budget_.stopped())
                score = -pvs(opp, depth - 1, -alpha - 1, -alpha, ply + 1);
            if (score > alpha && score < beta && !budget_.stopped())
                score = -pvs(opp, depth - 1, -beta, -alpha, ply + 1);
        }
        pos_.remove(move);
        if (budget_.stopped()) return 0;
        if (score > best) {
            best = score;
            bestMove = move;
            if (score > alpha) {
                alpha = score;
                if (alpha >= beta) {
                    if (quiet && killers_[ply][0] != move) {
                        killers_[ply][1] = killers_[ply][0];
                        killers_[ply][0] = move;
                    }
                    if (depth > 0) history_[side][move] += depth * depth;
                    break;
                }
            }
        }
    }
    const Bound bound = best >= beta        ? Bound::Lower
                        : best > alphaStart ? Bound::Exact
                                            : Bound::Upper;
    table_.store(hash, depth, toTable(best, ply), bound, bestMove);
    return best;
}

bool Search::generate(int side, int ply, int ttMove, bool prune, std::vector<ScoredMove>& out) {
    const int opp = 1 - side;
    out.clear();
    bool answering = false;
    if (pos_.threatCount(opp, kFlexFour) > 0) {
        // The opponent threatens a flex four: block it, or make a four first.
        answering = true;
        solver_.defences(opp, scratch_);
        for (int cell : scratch_)
            out.push_back({cell, orderScore(cell, side)});
        for (int cell : pos_.candidates()) {
            const Threat t = pos_.threat(cell, side);
            if ((t == kFour || t == kFourThree) &&
                std::find(scratch_.begin(), scratch_.end(), cell) == scratch_.end())
                out.push_back({cell, orderScore(cell, side)});
        }
    } else {
        for (int cell : pos_.candidates())
            out.push_back({cell, orderScore(cell, side)});
    }
    for (ScoredMove& m : out) {
        if (m.cell == ttMove)
            m.order += 1 << 28;
        else if (ply < kMaxPly && (m.cell == killers_[ply][0] || m.cell == killers_[ply][1]))
            m.order += 2000;
        m.order += std::min(history_[side][m.cell], 1 << 20) / 64;
    }
    const auto better = [](const ScoredMove& a, const ScoredMove& b) {
        return a.order != b.order ? a.order > b.order : a.cell < b.cell;
    };
    if (prune && !answering && static_cast<int>(out.size()) > profile_.width) {
        std::partial_sort(out.begin(), out.begin() + profile_.width, out.end(), better);
        out.resize(profile_.width);
    } else {
        std::sort(out.begin(), out.end(), better);
    }
    return answering;
}

}  // namespace zelvan::strong

#include "core/ai/strong/threats.h"

#include <algorithm>
#include <bit>

namespace zelvan::strong {

namespace {

constexpr std::uint64_t kAttackerSalt[2] = {0x6A09E667F3BCC908ull, 0xBB67AE8584CAA73Bull};

}  // namespace

bool ThreatSolver::Memo::lookup(std::uint64_t key, int depth, bool& win) const {
    const MemoEntry& e = entries[key & mask];
    if (e.key != key || e.depth < 0) return false;
    if (e.win && e.depth <= depth) return win = true;
    if (!e.win && e.depth >= depth) {
        win = false;
        return true;
    }
    return false;
}

void ThreatSolver::Memo::store(std::uint64_t key, int depth, bool win) {
    entries[key & mask] = {key, static_cast<std::int8_t>(std::min(depth, 127)), win};
}

ThreatSolver::ThreatSolver(Position& position, Budget& budget, std::size_t memoEntries)
    : pos_(position), budget_(budget), moveStack_(kMaxPly), seen_(Position::kCells, 0) {
    const std::size_t entries = std::bit_floor(std::max<std::size_t>(memoEntries, 1024));
    for (Memo* memo : {&foursMemo_, &threatsMemo_}) {
        memo->entries.assign(entries, {});
        memo->mask = entries - 1;
    }
}

void ThreatSolver::clear() {
    for (Memo* memo : {&foursMemo_, &threatsMemo_})
        std::fill(memo->entries.begin(), memo->entries.end(), MemoEntry{});
}

std::uint64_t ThreatSolver::memoKey(std::uint64_t salt) const {
    return pos_.hash() ^ kAttackerSalt[attacker_] ^ salt;
}

int ThreatSolver::winByFours(int attacker, int maxFours) {
    attacker_ = attacker;
    defender_ = 1 - attacker;
    maxFours_ = maxFours;
    firstMove_ = -1;
    return foursAttack(maxFours, 0) ? firstMove_ : -1;
}

int ThreatSolver::winByThreats(int attacker, int maxMoves, int maxFours) {
    attacker_ = attacker;
    defender_ = 1 - attacker;
    maxFours_ = maxFours;
    firstMove_ = -1;
    return threatsAttack(maxMoves, 0) ? firstMove_ : -1;
}

bool ThreatSolver::winsWith(int attacker, int move, bool threesToo, int maxMoves, int maxFours) {
    attacker_ = attacker;
    defender_ = 1 - attacker;
    maxFours_ = maxFours;
    firstMove_ = -1;
    if (pos_.threat(move, attacker) == kMakesFive) return true;
    pos_.place(move, attacker);
    const bool win = threesToo ? threatsDefend(maxMoves - 1, 1) : foursDefend(maxFours - 1, 1);
    pos_.remove(move);
    return win;
}

// The attacker's fours (and with `threesToo` its flex threes), strongest
// first: four-threes, fours, double threes, threes, each by cell value.
void ThreatSolver::attackingMoves(bool threesToo, std::vector<int>& out) const {
    out.clear();
    const Threat weakest = threesToo ? kThree : kFour;
    for (int cell : pos_.candidates()) {
        const Threat t = pos_.threat(cell, attacker_);
        if (t >= weakest && t <= kFourThree) out.push_back(cell);
    }
    std::sort(out.begin(), out.end(), [this](int a, int b) {
        const Threat ta = pos_.threat(a, attacker_), tb = pos_.threat(b, attacker_);
        if (ta != tb) return ta > tb;
        const int va = pos_.score(a, attacker_) + pos_.score(a, defender_);
        const int vb = pos_.score(b, attacker_) + pos_.score(b, defender_);
        if (va != vb) return va > vb;
        return a < b;
    });
}

// What the position settles before the attacker tries a move: kWon (a five
// or a flex four to play), kLost (the defender's fours cannot all be
// blocked, or by fours alone, its block is no four) or kOpen. `forced` is
// the block of the defender's single four, the attacker's only move then.
ThreatSolver::Outcome ThreatSolver::beforeAttack(bool byFours, int ply, int& forced) {
    const int a = attacker_, d = defender_;
    forced = -1;
    if (pos_.threatCount(a, kMakesFive) > 0) {
        if (ply == 0) firstMove_ = pos_.findThreat(a, kMakesFive);
        return kWon;
    }
    if (pos_.threatCount(d, kMakesFive) > 0) {
        if (pos_.threatCount(d, kMakesFive) > 1) return kLost;
        forced = pos_.findThreat(d, kMakesFive);
        const bool blockWorks = forced >= 0 && (!byFours || pos_.threat(forced, a) >= kFour);
        return blockWorks ? kOpen : kLost;
    }
    if (pos_.threatCount(a, kFlexFour) > 0) {
        if (ply == 0) firstMove_ = pos_.findThreat(a, kFlexFour);
        return kWon;
    }
    return kOpen;
}

// Tries the attacker's moves (only `forced` when it has to block) until one
// wins, `defend` judging the position after each, and caches the result.
template <typename Defend>
bool ThreatSolver::tryAttacks(Memo& memo, std::uint64_t key, int depth, int ply, int forced,
                              bool threesToo, Defend&& defend) {
    std::vector<int>& moves = moveStack_[ply];
    if (forced >= 0)
        moves.assign(1, forced);
    else
        attackingMoves(threesToo, moves);
    for (const int move : moves) {
        pos_.place(move, attacker_);
        const bool win = defend();
        pos_.remove(move);
        if (win) {
            if (ply == 0) firstMove_ = move;
            memo.store(key, depth, true);
            return true;
        }
        if (budget_.stopped()) return false;
    }
    memo.store(key, depth, false);
    return false;
}

bool ThreatSolver::foursAttack(int depth, int ply) {
    if (budget_.tick()) return false;
    int forced = -1;
    if (const Outcome settled = beforeAttack(true, ply, forced); settled != kOpen)
        return settled == kWon;
    if (depth <= 0) return false;
    const std::uint64_t key = memoKey(0);
    bool known = false;
    if (foursMemo_.lookup(key, depth, known) && (!known || ply > 0)) return known;
    if (ply >= kMaxPly) return false;
    return tryAttacks(foursMemo_, key, depth, ply, forced, false,
                      [&] { return foursDefend(depth - 1, ply + 1); });
}

bool ThreatSolver::foursDefend(int depth, int ply) {
    if (budget_.tick()) return false;
    const int a = attacker_, d = defender_;
    if (pos_.threatCount(d, kMakesFive) > 0) return false;  // the defender completes five first
    const int fives = pos_.threatCount(a, kMakesFive);
    if (fives >= 2) return true;
    if (fives == 0) return false;
    const int block = pos_.findThreat(a, kMakesFive);
    if (block < 0) return false;
    pos_.place(block, d);
    const bool win = foursAttack(depth, ply + 1);
    pos_.remove(block);
    return win;
}

bool ThreatSolver::threatsAttack(int depth, int ply) {
    if (budget_.tick()) return false;
    int forced = -1;
    if (const Outcome settled = beforeAttack(false, ply, forced); settled != kOpen)
        return settled == kWon;
    if (depth <= 0) return false;
    if (forced < 0 && foursAttack(maxFours_, ply)) return true;
    if (budget_.stopped()) return false;
    const std::uint64_t key = memoKey(0x9B05688C2B3E6C1Full * static_cast<unsigned>(maxFours_));
    bool known = false;
    if (threatsMemo_.lookup(key, depth, known) && (!known || ply > 0)) return known;
    if (ply >= kMaxPly) return false;
    return tryAttacks(threatsMemo_, key, depth, ply, forced, true,
                      [&] { return threatsDefend(depth - 1, ply + 1); });
}

bool ThreatSolver::threatsDefend(int depth, int ply) {
    if (budget_.tick()) return false;
    const int a = attacker_, d = defender_;
    if (pos_.threatCount(d, kMakesFive) > 0) return false;
    const int fives = pos_.threatCount(a, kMakesFive);
    if (fives >= 2) return true;
    if (fives == 1) {
        const int block = pos_.findThreat(a, kMakesFive);
        if (block < 0) return false;
        pos_.place(block, d);
        const bool win = threatsAttack(depth, ply + 1);
        pos_.remove(block);
        return win;
    }
    // A quiet attacking move, or a flex four the defender can outpace.
    if (pos_.threatCount(a, kFlexFour) == 0 || pos_.threatCount(d, kFlexFour) > 0) return false;

    if (ply >= kMaxPly) return false;
    std::vector<int>& replies = moveStack_[ply];
    defences(a, replies);
    for (int cell : pos_.candidates()) {
        const Threat t = pos_.threat(cell, d);
        if (t >= kFour && t <= kFourThree &&
            std::find(replies.begin(), replies.end(), cell) == replies.end())
            replies.push_back(cell);
    }
    for (std::size_t i = 0; i < replies.size(); ++i) {
        const int reply = replies[i];
        pos_.place(reply, d);
        const bool win = threatsAttack(depth, ply + 1);
        pos_.remove(reply);
        if (!win) return false;
    }
    return true;
}

void ThreatSolver::defences(int attacker, std::vector<int>& out) {
    out.clear();
    if (++stamp_ == 0) {
        std::fill(seen_.begin(), seen_.end(), 0);
        stamp_ = 1;
    }
    auto consider = [&](int cell) {
        if (!pos_.isEmpty(cell) || seen_[cell] == stamp_) return;
        seen_[cell] = stamp_;
        out.push_back(cell);
    };
    for (int cell : pos_.candidates()) {
        if (pos_.threat(cell, attacker) != kFlexFour) continue;
        consider(cell);
        for (int dir = 0; dir < 4; ++dir) {
            if (pos_.pattern(cell, attacker, dir) < kBlock4) continue;
            for (int step = -4; step <= 4; ++step)
                if (step != 0) consider(cell + step * Position::kDirection[dir]);
        }
    }
    // Keep the cells after which the attacker has no flex four left.
    const int defender = 1 - attacker;
    std::size_t kept = 0;
    for (int cell : out) {
        pos_.place(cell, defender);
        const bool holds = pos_.threatCount(attacker, kFlexFour) == 0;
        pos_.remove(cell);
        if (holds) out[kept++] = cell;
    }
    out.resize(kept);
    std::sort(out.begin(), out.end());
}

}  // namespace zelvan::strong

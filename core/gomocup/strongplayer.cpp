#include "core/gomocup/strongplayer.h"

#include <algorithm>

namespace zelvan::gomocup {

StrongPlayer::StrongPlayer(int level, std::uint64_t seed) : level_(level), seed_(seed) {}

strong::Engine& StrongPlayer::engine() {
    if (!engine_) {
        engine_ = std::make_unique<strong::Engine>(tableBytes_);
        engine_->setSeed(seed_);
        engine_->newGame(size_);
        for (const Stone& s : stones_)
            engine_->place({s.at.col, s.at.row}, stoneOf(s.side));
    }
    return *engine_;
}

strong::Stone StrongPlayer::stoneOf(Side side) const {
    return (side == Side::Own) == ownFirst_ ? strong::Stone::First : strong::Stone::Second;
}

void StrongPlayer::newGame(int boardSize) {
    size_ = boardSize;
    stones_.clear();
    engine().newGame(boardSize);
}

void StrongPlayer::place(Point p, Side side) {
    engine().place({p.col, p.row}, stoneOf(side));
    stones_.push_back({p, side});
}

void StrongPlayer::takeBack(Point p) {
    engine().takeBack({p.col, p.row});
    std::erase_if(stones_, [&](const Stone& s) { return s.at == p; });
}

Point StrongPlayer::choose(const ClockInfo& clock) {
    strong::ThinkLimits limits = strong::limitsFor(level_);
    limits.budget = thinkBudget(limits.budget, clock);
    const strong::Point p = engine().think(stoneOf(Side::Own), limits);
    return {p.col, p.row};
}

void StrongPlayer::setMemoryLimit(std::size_t bytes) {
    const std::size_t wanted = tableBytes(bytes, strong::kMaxHashBytes);
    if (wanted == tableBytes_) return;
    // The table's size is fixed when the engine is made: make another and
    // give it the position again, now, while no move is being timed. The old
    // one goes first, so the two tables never take memory at once.
    tableBytes_ = wanted;
    if (!engine_) return;
    engine_.reset();
    engine();
}

}  // namespace zelvan::gomocup

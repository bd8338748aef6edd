#pragma once
// Stepping through a record: how many of its moves are on the board, moved
// one at a time or to either end, and the short notice that says where the
// player is ("Review — move 17 of 42").

#include <cstddef>
#include <string>

#include "core/records/record.h"

namespace zelvan::records {

class ReviewCursor {
public:
    // Shows the whole game: a finished game is reviewed from its end.
    explicit ReviewCursor(GameRecord record);

    const GameRecord& record() const { return record_; }
    std::size_t total() const { return record_.moves.size(); }
    // Moves on the board: the first shown() of the record.
    std::size_t shown() const { return shown_; }
    // Who would play next from the position shown.
    Stone sideToMove() const { return record_.sideOf(shown_); }

    // Each returns whether the position changed.
    bool stepBack() { return show(shown_ == 0 ? 0 : shown_ - 1); }
    bool stepForward() { return show(shown_ + 1); }
    bool toStart() { return show(0); }
    bool toEnd() { return show(total()); }
    // Shows the first `moves` moves, at most all of them.
    bool show(std::size_t moves);

    std::string notice() const;

private:
    GameRecord record_;
    std::size_t shown_;
};

}  // namespace zelvan::records

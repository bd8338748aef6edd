#include "core/records/reviewcursor.h"

#include <algorithm>
#include <utility>

namespace zelvan::records {

ReviewCursor::ReviewCursor(GameRecord record)
    : record_(std::move(record)), shown_(record_.moves.size()) {}

bool ReviewCursor::show(std::size_t moves) {
    moves = std::min(moves, total());
    if (moves == shown_) return false;
    shown_ = moves;
    return true;
}

std::string ReviewCursor::notice() const {
    return "Review \u2014 move " + std::to_string(shown_) + " of " + std::to_string(total());
}

}  // namespace zelvan::records

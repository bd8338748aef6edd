#include "core/ai/strong/mirror.h"

#include <algorithm>

namespace zelvan::strong {

void MirroredBoard::follow(Engine& engine, int boardSize, std::span<const Placed> stones) {
    if (boardSize != boardSize_ || engine.boardSize() != boardSize) {
        engine.newGame(boardSize);
        boardSize_ = boardSize;
        held_.clear();
    }
    const auto shared = std::mismatch(held_.begin(), held_.end(), stones.begin(), stones.end());
    const auto keep = static_cast<std::size_t>(shared.first - held_.begin());
    // Taken back latest first, as a game takes its moves back.
    while (held_.size() > keep) {
        engine.takeBack(held_.back().at);
        held_.pop_back();
    }
    for (std::size_t i = keep; i < stones.size(); ++i)
        if (engine.place(stones[i].at, stones[i].stone)) held_.push_back(stones[i]);
}

}  // namespace zelvan::strong

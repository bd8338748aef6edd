// The one place the brain program meets the game's position and its
// computer player: when their shapes change, only this file follows.
#include "core/gomocup/classicplayer.h"

#include <algorithm>

#include "core/ai/level.h"
#include "core/ai/movechoice.h"
#include "core/engine/position.h"

namespace zelvan::gomocup {

int ClassicPlayer::largestBoard() const {
    return kStride;
}

void ClassicPlayer::newGame(int boardSize) {
    size_ = boardSize;
    stones_.clear();
    // As a new board in the game draws it: one game in three attacks plainly.
    plainAttack_ = random_.below(3) == 0;
}

void ClassicPlayer::takeBack(Point p) {
    std::erase_if(stones_, [&](const Stone& s) { return s.at == p; });
}

Point ClassicPlayer::choose(const ClockInfo&) {
    // The position as the game holds it when the computer is about to move:
    // this side is Red, every stone has marked its zone, and the move gets
    // the number after the stones'.
    Position g(size_);
    for (const Stone& s : stones_)
        g.put(s.side == Side::Own ? kRed : kBlue, s.at.col, s.at.row);
    const Level* level = findLevel(level_);
    const MoveStyle style{static_cast<int>(stones_.size()) + 1, level ? level->lookAheadCycles : 0,
                          plainAttack_};
    const Cell cell = decideMove(g, style, random_);
    return {cell.col, cell.row};
}

}  // namespace zelvan::gomocup

// The one place the brain program meets the game's record and its computer
// player: when their shapes change, only this file follows.
#include "core/gomocup/classicplayer.h"

#include <algorithm>

#include "core/ai/movechoice.h"
#include "core/engine/game.h"
#include "core/engine/zone.h"

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
    // The record as the game holds it when the computer is about to move:
    // this side is Red, every stone has marked its zone and the move about
    // to be played is already counted.
    Game g;
    g.boardSize = size_;
    for (const Stone& s : stones_) {
        g.cells[cellIndex(s.at.col, s.at.row)] = s.side == Side::Own ? kRed : kBlue;
        markZone(g, s.at.col, s.at.row);
    }
    g.moveCount = static_cast<std::int32_t>(stones_.size()) + 1;
    g.computerLevel = static_cast<std::uint8_t>(level_);
    g.plainAttack = plainAttack_ ? 1 : 0;
    g.gameRunning = 1;
    g.blueToMove = 0;
    const Cell cell = decideMove(g, random_);
    return {cell.col, cell.row};
}

}  // namespace zelvan::gomocup

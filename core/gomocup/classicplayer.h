#pragma once
// The game's own computer at levels 1 to 3, behind the brain protocol. It
// plays as it does in the game with this program as Red: the fixed opening
// at the centre, the fixed first reply, the look-ahead, the attacking style
// drawn once per game, the zone marked around every stone and the moves
// counted as the game counts them. Every random number comes from the
// source it is given, so a game can be replayed draw for draw.

#include <vector>

#include "core/ai/randomsource.h"
#include "core/gomocup/player.h"

namespace zelvan::gomocup {

class ClassicPlayer final : public BrainPlayer {
public:
    ClassicPlayer(int level, RandomSource& random) : level_(level), random_(random) {}

    int largestBoard() const override;
    void newGame(int boardSize) override;
    void setOpener(Side) override {}  // the game's computer counts stones, not turns
    void place(Point p, Side side) override { stones_.push_back({p, side}); }
    void takeBack(Point p) override;
    Point choose(const ClockInfo&) override;  // it never looks at a clock
    void setMemoryLimit(std::size_t) override {}

private:
    struct Stone {
        Point at;
        Side side;
    };

    int level_;
    RandomSource& random_;
    int size_ = 15;
    bool plainAttack_ = false;
    std::vector<Stone> stones_;
};

}  // namespace zelvan::gomocup

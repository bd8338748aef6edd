#pragma once
// The baseline opponent: a one-ply greedy player. It completes its own five
// when it can, blocks the opponent's when it must, and otherwise takes the
// cell whose lines of five do the most for it and against the opponent,
// looking no further than the stone it places.

#include <vector>

#include "core/ai/randomsource.h"
#include "core/gomocup/player.h"

namespace zelvan::match {

class GreedyPlayer final : public gomocup::BrainPlayer {
public:
    explicit GreedyPlayer(RandomSource& random) : random_(random) {}

    int largestBoard() const override { return 32; }
    void newGame(int boardSize) override;
    void setOpener(gomocup::Side) override {}
    void place(gomocup::Point p, gomocup::Side side) override;
    void takeBack(gomocup::Point p) override { cell(p) = kEmpty; }
    gomocup::Point choose(const gomocup::ClockInfo&) override;
    void setMemoryLimit(std::size_t) override {}

    // The cell's worth for the side to move (higher is better).
    long score(gomocup::Point p) const;

private:
    static constexpr int kEmpty = 0, kOwn = 1, kOpponent = 2;
    int& cell(gomocup::Point p) { return cells_[(p.row - 1) * size_ + (p.col - 1)]; }
    int at(int col, int row) const;

    RandomSource& random_;
    int size_ = 15;
    std::vector<int> cells_;
};

}  // namespace zelvan::match

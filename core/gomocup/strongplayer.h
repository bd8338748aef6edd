#pragma once
// The strong engine (levels 4 "strong" and 5 "master") behind the brain
// protocol. It thinks for the level's budget, or less when the manager's
// clocks ask for less, with its transposition table sized to the memory
// the manager allows.

#include <cstdint>
#include <memory>
#include <vector>

#include "core/ai/strong/engine.h"
#include "core/gomocup/player.h"

namespace zelvan::gomocup {

class StrongPlayer final : public BrainPlayer {
public:
    StrongPlayer(int level, std::uint64_t seed);

    int largestBoard() const override { return 32; }
    void newGame(int boardSize) override;
    void setOpener(Side opener) override { ownFirst_ = opener == Side::Own; }
    void place(Point p, Side side) override;
    void takeBack(Point p) override;
    Point choose(const ClockInfo& clock) override;
    void setMemoryLimit(std::size_t bytes) override;

private:
    struct Stone {
        Point at;
        Side side;
    };
    strong::Stone stoneOf(Side side) const;
    // The engine, made when first needed (at START at the latest): a memory
    // limit told before the first game then costs no second table.
    strong::Engine& engine();

    int level_;
    std::uint64_t seed_;
    std::size_t tableBytes_ = strong::kMaxHashBytes;
    std::unique_ptr<strong::Engine> engine_;  // none until first needed
    int size_ = 15;
    bool ownFirst_ = false;
    std::vector<Stone> stones_;  // kept to rebuild the engine with another table
};

}  // namespace zelvan::gomocup

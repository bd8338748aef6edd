#pragma once
// The strong levels (4 "strong" and 5 "master") on the game's position. A
// request is read into an EngineTask on the caller's thread (the side
// mapping, the level's limits, the seed drawn from the game's random
// source); the think itself may then run on any one thread at a time, so
// the window can keep it off its own.

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/ai/computerplayer.h"
#include "core/ai/level.h"
#include "core/ai/randomsource.h"
#include "core/ai/strong/engine.h"
#include "core/ai/strong/mirror.h"
#include "core/engine/position.h"

namespace zelvan {

// One think of the engine, copied out of the game.
struct EngineTask {
    int boardSize = 15;
    std::vector<strong::Placed> stones;  // the game's pieces, in the order played
    strong::Stone toMove = strong::Stone::First;
    strong::ThinkLimits limits;
    std::uint64_t seed = 0;
};

// The think for `colour` (kBlue or kRed) to move on `g` at a level that
// thinks against the clock. Draws the engine's seed from `random`: one draw.
EngineTask engineTask(const Position& g, std::uint8_t colour, const Level& level,
                      RandomSource& random);
// Red's move, as match control asks for it.
inline EngineTask engineTask(const MoveRequest& request, RandomSource& random) {
    return engineTask(request.position, kRed, request.level, random);
}
// The hint: Blue's move at the hint level.
EngineTask hintTask(const Position& g, RandomSource& random);

// The engine, made on the first think (its table takes 64 MiB) and kept for
// every later one. One think at a time.
class EngineThinker {
public:
    EngineThinker();
    ~EngineThinker();
    // The task's move: an empty cell of its board (none on a full one).
    // Once `cancel` is set the think returns promptly with some legal cell.
    Cell think(const EngineTask& task, const std::atomic<bool>* cancel = nullptr);

private:
    std::unique_ptr<strong::Engine> engine_;
    strong::MirroredBoard board_;
};

// The strong levels answering inside the request, on the caller's thread:
// for tools and tests. The window thinks on a worker instead.
class EnginePlayer final : public ComputerPlayer {
public:
    void request(const MoveRequest& request, RandomSource& random, Answer answer) override;
    void cancel() override {}

private:
    EngineThinker thinker_;
};

}  // namespace zelvan

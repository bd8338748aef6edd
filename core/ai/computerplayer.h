#pragma once
// How match control asks for the computer's move: a request with a
// completion. A player may answer inside the request (the look-ahead levels
// take a few milliseconds) or later, from the event loop, once it has
// thought; match control waits in its own state meanwhile and drops an
// answer that comes for a game no longer there.

#include <functional>

#include "core/ai/level.h"
#include "core/ai/randomsource.h"
#include "core/ai/searches.h"
#include "core/engine/position.h"

namespace zelvan {

struct MoveRequest {
    Position position;   // the board as it stands, Red to move
    int moveNumber = 1;  // the number Red's move will have, counting both colours from 1
    Level level;
    bool plainAttack = false;  // the game's attacking style
};

class ComputerPlayer {
public:
    using Answer = std::function<void(Cell cell)>;

    virtual ~ComputerPlayer() = default;
    // Asks for Red's cell; `answer` is called once with it (no cell on a
    // position a game never reaches), unless cancel() comes first. Random
    // numbers come from `random`, and only while request runs, so a game's
    // sequence of draws does not depend on how long the player thinks.
    virtual void request(const MoveRequest& request, RandomSource& random, Answer answer) = 0;
    // Drops the answer still to come, if any.
    virtual void cancel() = 0;
};

// The look-ahead levels: the answer comes inside the request.
class LookAheadPlayer final : public ComputerPlayer {
public:
    void request(const MoveRequest& request, RandomSource& random, Answer answer) override;
    void cancel() override {}
};

}  // namespace zelvan

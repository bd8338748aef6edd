#include "core/ai/hint.h"

#include "core/ai/level.h"
#include "core/ai/movechoice.h"

namespace zelvan {

Cell blueLookAheadMove(const Position& g, RandomSource& random) {
    Position swapped = g;
    // Zones are rebuilt around every piece: between two people the second
    // person's pieces mark none, yet they are where the play is.
    swapped.clearZone();
    for (int c = 1; c <= g.boardSize(); ++c)
        for (int r = 1; r <= g.boardSize(); ++r) {
            const std::uint8_t cell = g.cell(c, r);
            if (cell != kNone) swapped.put(cell == kBlue ? kRed : kBlue, c, r);
        }
    constexpr int kHardLevel = 3;
    const MoveStyle style{g.moveCount() + 1, findLevel(kHardLevel)->lookAheadCycles, false};
    return decideMove(swapped, style, random);
}

}  // namespace zelvan

#include "core/ai/computerplayer.h"

#include "core/ai/movechoice.h"

namespace zelvan {

void LookAheadPlayer::request(const MoveRequest& request, RandomSource& random, Answer answer) {
    const MoveStyle style{request.moveNumber, request.level.lookAheadCycles, request.plainAttack};
    answer(decideMove(request.position, style, random));
}

}  // namespace zelvan

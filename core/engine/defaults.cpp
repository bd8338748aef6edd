#include "core/engine/game.h"

namespace zelvan {

void setDefaults(Game& g) {
    g.scoreBlue = 1000;
    g.scoreRed = 1000;
    g.resultHistory.fill(0);
    g.hintsOn = 1;
    g.clocksOn = 1;
    g.markRedMove = 1;
    g.markBlueMove = 1;
    g.computerLevel = 2;
    g.pieceStyle = 1;
    g.redIsHuman = 0;
    g.sizeCode = 1;
    g.soundOff = 0;
    g.listenOn = 1;
    g.chatBoxOn = 0;
    g.peerAddress = "0.0.0.0";
}

}  // namespace zelvan

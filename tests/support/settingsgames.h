#pragma once
// Games to store: the defaults, and one whose stored values all differ from
// the defaults and from each other where the file allows it.

#include "core/engine/game.h"
#include "core/settings/settingscodec.h"

namespace zelvan::test {

inline Game defaultGame() {
    Game g;
    setDefaults(g);
    return g;
}

inline Game unusualGame() {
    Game g = defaultGame();
    g.scoreBlue = 0x01020304;  // out of range on purpose: written as held
    g.scoreRed = 9999;
    g.resultHistory = {85, 170, 0, 170, 85, 85, 0, 170, 0, 85};
    g.hintsOn = 0;
    g.clocksOn = 0;
    g.markRedMove = 0;
    g.markBlueMove = 1;
    g.computerLevel = 3;
    g.pieceStyle = 1;
    g.pieceStyleChoice = 0;
    g.redIsHuman = 1;
    g.sizeCode = 3;
    g.soundOff = 1;
    g.listenOn = 0;
    g.chatBoxOn = 1;
    g.peerAddress = "192.168.100.200";
    return g;
}

}  // namespace zelvan::test

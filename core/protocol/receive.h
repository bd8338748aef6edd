#pragma once
// What the receiving side does with a read: its messages go to the
// dispatcher one by one, in order, and restarts from the peer never queue up.
//
// The peer's Play abandons its running game and starts the next at once,
// while here each received PLAY first pauses 300 ms. PLAYs that come faster
// than that would wait in line, each setting up a board only for the next
// one to abandon it before any move could come. So a PLAY whose next
// waiting message is another PLAY is settled at once: scored exactly as the
// next PLAY would score its abandoned game, with no board and no pause. Only
// the last PLAY of such a run starts a game, and the settings file is
// written once for the run.

#include <functional>
#include <string>
#include <string_view>

#include "core/engine/game.h"
#include "core/engine/host.h"

namespace zelvan {

// A PLAY the dispatcher acts on: the command and at least two payload characters.
bool isPlay(std::string_view message);

// Settles a PLAY that the next waiting PLAY abandons before any move. Its
// size digit sets sizeCode as the dispatcher would, and Red becomes a
// person. If the peer is still connected (as the socket layer knows it), a
// running game is abandoned first, then the announced game is recorded as
// abandoned before its first move: the side the opener letter gives that
// move loses ("C": the peer, else this side). Afterwards no game runs and the
// cursor is normal; the next PLAY sets up the board.
void settleRestart(Game& g, Host& host, std::string_view play);

// Hands the messages of one read to the dispatcher in order, settling each
// PLAY that another PLAY follows. nextRead gives the next read already
// waiting behind this one (empty when none); it is asked only when a PLAY
// ends the read, after the messages before it have been handled. Settled
// PLAYs hold the host's saves until the next message is dispatched, so a
// run of them writes the settings file once, even across reads.
void receiveRead(Game& g, Host& host, std::string_view read,
                 const std::function<std::string()>& nextRead);

}  // namespace zelvan

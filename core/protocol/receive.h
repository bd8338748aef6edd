#pragma once
// What the receiving side does with the peer's reads: their messages go to
// the dispatcher one by one, in order; while match control gives the peer's
// PLAY its pause, the messages after it wait; and restarts from the peer
// never queue up.
//
// The peer's Play abandons its running game and starts the next at once,
// while here each received PLAY first pauses 300 ms. PLAYs that come faster
// than that would wait in line, each setting up a board only for the next
// one to abandon it before any move could come. So a PLAY whose next
// waiting message is another PLAY is settled at once
// (MatchControl::peerPlaySettled): scored exactly as the next PLAY would
// score its abandoned game, with no board and no pause. Only the last PLAY
// of such a run starts a game, and the settings file is written once for
// the run.

#include <deque>
#include <functional>
#include <string>
#include <string_view>

#include "core/protocol/dispatch.h"

namespace zelvan {

// A PLAY the dispatcher acts on: the command and at least two payload characters.
bool isPlay(std::string_view message);

class Receiver {
public:
    // Gives the arrival already waiting behind the ones handed over (empty
    // when none), without taking it.
    using Peek = std::function<std::string()>;

    Receiver(MatchControl& match, ChatSink chat, Peek nextArrival);

    // One arrival from the peer, cut into messages (wire.h) and handled in
    // order, as far as match control takes them now.
    void arrive(std::string_view read);
    // Messages wait for match control to take the peer's input again; the
    // network side holds later arrivals back meanwhile.
    bool waiting() const { return !waiting_.empty(); }
    // Match control takes the peer's input again: the waiting messages go on.
    void resume();

private:
    void run();

    MatchControl& match_;
    ChatSink chat_;
    Peek nextArrival_;
    std::deque<std::string> waiting_;  // messages handed over, not yet handled
    // The last message handled was a settled PLAY: saves stay held until a
    // message is dispatched, so a run of them, even across reads, writes
    // the settings file once.
    bool settling_ = false;
};

}  // namespace zelvan

#pragma once
// How a game ended, as match control reports it to the window: a five, a
// full board, or an abandoned game and what abandoned it. The window turns
// it into words for the player; the score rule never reads it.

#include <cstdint>

#include "core/engine/pieces.h"

namespace zelvan {

enum class EndReason : std::uint8_t {
    Five,            // a line of five or more
    FullBoard,       // no free cell left and no five: a draw
    Stopped,         // Stop pressed here
    Restarted,       // Play pressed here during the game
    Closed,          // Exit, or the window closed here
    HungUp,          // END pressed here
    PeerStopped,     // the peer's Stop
    PeerRestarted,   // the peer's Play over the running game
    PeerLeft,        // the peer closed the connection
    ConnectionLost,  // the connection failed
};

struct GameEnd {
    EndReason reason = EndReason::Five;
    std::uint8_t winner = kNone;  // kBlue or kRed; kNone for a draw
    bool scored = true;           // false for a game continued from a reviewed position

    // The side that lost: the other colour, kNone for a draw.
    std::uint8_t loser() const { return winner == kBlue ? kRed : winner == kRed ? kBlue : kNone; }
    friend bool operator==(const GameEnd&, const GameEnd&) = default;
};

}  // namespace zelvan

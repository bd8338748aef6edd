#pragma once
// The game's sound effects, by what they mark.

#include <cstdint>

namespace zelvan {

enum class Sound : std::uint8_t {
    BluePiece,  // Blue's piece lands
    RedPiece,   // Red's piece lands
    BlueWins,
    RedWins,
    Play,     // the Play button
    Click,    // the small buttons
    Exit,     // leaving the game
    Calling,  // calling a peer
    Error,    // a refused address, a failed connection
    Startup,  // the splash window
};

}  // namespace zelvan

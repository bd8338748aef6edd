#pragma once
// The game's sound effects, by what they mark, and where match control
// sends them.

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

// The effect's name, as logs and tests write it: "BluePiece", "Click", ...
inline const char* soundName(Sound s) {
    switch (s) {
    case Sound::BluePiece:
        return "BluePiece";
    case Sound::RedPiece:
        return "RedPiece";
    case Sound::BlueWins:
        return "BlueWins";
    case Sound::RedWins:
        return "RedWins";
    case Sound::Play:
        return "Play";
    case Sound::Click:
        return "Click";
    case Sound::Exit:
        return "Exit";
    case Sound::Calling:
        return "Calling";
    case Sound::Error:
        return "Error";
    case Sound::Startup:
        return "Startup";
    }
    return "?";
}

// Plays an effect at once, cutting off the one that plays, and returns; the
// sound option is the caller's to obey.
class Speaker {
public:
    virtual ~Speaker() = default;
    virtual void play(Sound sound) = 0;
};

}  // namespace zelvan

#pragma once
// The game's sound effects: one at a time, each new one cutting off the one
// that plays. Callers decide whether sound is wanted (soundOff); the player
// plays whatever it is asked.

#include <memory>

#include "app/ui/soundoutput.h"

namespace zelvan {

class SoundPlayer {
public:
    SoundPlayer();  // plays the embedded effects through the sound server
    explicit SoundPlayer(std::unique_ptr<SoundOutput> output);

    // Stops whatever plays, then starts `sound`. Never waits for it.
    void play(Sound sound);
    void stop();

    SoundOutput& output() { return *output_; }

private:
    std::unique_ptr<SoundOutput> output_;
};

}  // namespace zelvan

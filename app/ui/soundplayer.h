#pragma once
// The game's sound effects: one at a time, each new one cutting off the one
// that plays. Callers decide whether sound is wanted (soundOff); the player
// plays whatever it is asked.

#include <memory>

#include "app/ui/soundoutput.h"

namespace zelvan {

class SoundPlayer final : public Speaker {
public:
    SoundPlayer();  // plays the embedded effects through the sound server
    explicit SoundPlayer(std::unique_ptr<SoundOutput> output);
    // Plays on an output that stays the caller's (a test's recording one).
    explicit SoundPlayer(SoundOutput& borrowed);

    // Stops whatever plays, then starts `sound`. Never waits for it.
    void play(Sound sound) override;
    void stop();

    SoundOutput& output() { return *output_; }

private:
    std::unique_ptr<SoundOutput> output_;
};

}  // namespace zelvan

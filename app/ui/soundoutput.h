#pragma once
// Where sound effects go. The game plays through the machine's audio
// output; tests plug in an output that only records what it was asked.

#include "core/engine/sound.h"

namespace zelvan {

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Starts `sound` and returns at once; it plays on by itself.
    virtual void play(Sound sound) = 0;
    // Silences whatever this output is playing.
    virtual void stop() = 0;
};

}  // namespace zelvan

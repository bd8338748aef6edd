#include "app/ui/soundplayer.h"

#include "app/ui/pulsesoundoutput.h"

namespace zelvan {

SoundPlayer::SoundPlayer() : output_(std::make_unique<PulseSoundOutput>()) {}

SoundPlayer::SoundPlayer(std::unique_ptr<SoundOutput> output) : output_(std::move(output)) {
    if (!output_) output_ = std::make_unique<PulseSoundOutput>();
}

void SoundPlayer::play(Sound sound) {
    output_->stop();
    output_->play(sound);
}

void SoundPlayer::stop() {
    output_->stop();
}

}  // namespace zelvan

#include "app/ui/soundplayer.h"

#include "app/ui/qtsoundoutput.h"

namespace zelvan {

SoundPlayer::SoundPlayer() : output_(std::make_unique<QtSoundOutput>()) {}

SoundPlayer::SoundPlayer(std::unique_ptr<SoundOutput> output) : output_(std::move(output)) {
    if (!output_) output_ = std::make_unique<QtSoundOutput>();
}

void SoundPlayer::play(Sound sound) {
    output_->stop();
    output_->play(sound);
}

void SoundPlayer::stop() {
    output_->stop();
}

}  // namespace zelvan

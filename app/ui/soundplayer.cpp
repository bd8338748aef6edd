#include "app/ui/soundplayer.h"

#include "app/ui/pulsesoundoutput.h"

namespace zelvan {

namespace {

// Hands every request on to an output owned elsewhere.
class Borrowed final : public SoundOutput {
public:
    explicit Borrowed(SoundOutput& to) : to_(to) {}
    void play(Sound s) override { to_.play(s); }
    void stop() override { to_.stop(); }

private:
    SoundOutput& to_;
};

}  // namespace

SoundPlayer::SoundPlayer() : output_(std::make_unique<PulseSoundOutput>()) {}

SoundPlayer::SoundPlayer(std::unique_ptr<SoundOutput> output) : output_(std::move(output)) {
    if (!output_) output_ = std::make_unique<PulseSoundOutput>();
}

SoundPlayer::SoundPlayer(SoundOutput& borrowed) : output_(std::make_unique<Borrowed>(borrowed)) {}

void SoundPlayer::play(Sound sound) {
    output_->stop();
    output_->play(sound);
}

void SoundPlayer::stop() {
    output_->stop();
}

}  // namespace zelvan

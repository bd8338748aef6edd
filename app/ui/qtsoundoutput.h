#pragma once
// Plays the embedded sound effects on the machine's default audio output
// with Qt Multimedia. One effect sounds at a time: starting one replaces the
// audio stream of the one before. Without an audio device nothing plays and
// nothing is reported.

#include <QtCore/QBuffer>
#include <QtCore/QString>

#include <array>
#include <functional>
#include <memory>

#include "app/ui/soundoutput.h"
#include "app/ui/wavedata.h"

class QAudioSink;

namespace zelvan {

inline constexpr int kSoundCount = 10;

// ":/sounds/<name>.wav", where the effect's WAVE image is embedded.
QString soundResource(Sound sound);

class QtSoundOutput : public SoundOutput {
public:
    // Returns the WAVE image of an effect; an empty or damaged image makes
    // that effect silent.
    using Loader = std::function<QByteArray(Sound)>;

    QtSoundOutput();  // the embedded effects
    explicit QtSoundOutput(const Loader& load);
    ~QtSoundOutput() override;

    QtSoundOutput(const QtSoundOutput&) = delete;
    QtSoundOutput& operator=(const QtSoundOutput&) = delete;

    void play(Sound sound) override;
    void stop() override;

    // The decoded effect, as it is handed to the audio device.
    const WaveData& effect(Sound sound) const;
    // True while an audio stream exists for the last effect started (it may
    // already have run out). Always false on a machine without audio.
    bool hasStream() const { return sink_ != nullptr; }

private:
    std::array<WaveData, kSoundCount> effects_;
    QBuffer source_;
    std::unique_ptr<QAudioSink> sink_;
};

}  // namespace zelvan

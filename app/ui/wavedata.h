#pragma once
// The sample data and format of a 16-bit PCM WAVE file image.

#include <QtCore/QByteArray>

namespace zelvan {

struct WaveData {
    int channels = 0;
    int sampleRate = 0;
    QByteArray pcm;  // interleaved little-endian 16-bit samples, whole frames

    bool isEmpty() const { return pcm.isEmpty(); }
};

// Reads a RIFF/WAVE image: the "fmt " chunk must describe 16-bit PCM with one
// or two channels, and the "data" chunk gives the samples. Anything else (a
// damaged or foreign file) yields an empty WaveData, which plays as silence.
// A data chunk longer than the image keeps the samples that are there.
WaveData parseWave(const QByteArray& image);

// The same sound on two channels: each mono sample goes to the left and the
// right channel alike, as a sound server plays a mono stream on stereo
// speakers, so nothing heard changes. Stereo comes back as it is.
WaveData toStereo(const WaveData& wave);

}  // namespace zelvan

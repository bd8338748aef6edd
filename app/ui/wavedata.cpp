#include "app/ui/wavedata.h"

#include <QtCore/QtEndian>

namespace zelvan {

namespace {

quint32 le32(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}

quint16 le16(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}

constexpr quint16 kFormatPcm = 1;

}  // namespace

WaveData parseWave(const QByteArray& image) {
    if (image.size() < 12 || !image.startsWith("RIFF") || image.mid(8, 4) != "WAVE") return {};

    WaveData wave;
    bool haveFormat = false;
    qsizetype pos = 12;
    while (pos + 8 <= image.size()) {
        const QByteArray tag = image.mid(pos, 4);
        const qint64 size = le32(image, pos + 4);
        const qsizetype body = pos + 8;
        const qsizetype available = qMin<qint64>(size, image.size() - body);
        if (tag == "fmt ") {
            if (available < 16) return {};
            const quint16 format = le16(image, body);
            const quint16 channels = le16(image, body + 2);
            const quint32 rate = le32(image, body + 4);
            const quint16 bits = le16(image, body + 14);
            if (format != kFormatPcm || bits != 16 || channels < 1 || channels > 2 || rate == 0 ||
                rate > 384000)
                return {};
            wave.channels = channels;
            wave.sampleRate = static_cast<int>(rate);
            haveFormat = true;
        } else if (tag == "data") {
            if (!haveFormat) return {};
            const qsizetype frameBytes = 2 * wave.channels;
            wave.pcm = image.mid(body, available - available % frameBytes);
            return wave;
        }
        // Chunks are padded to an even length.
        pos = body + size + (size & 1);
    }
    return {};
}

WaveData toStereo(const WaveData& wave) {
    if (wave.channels != 1) return wave;
    WaveData stereo{2, wave.sampleRate, QByteArray(wave.pcm.size() * 2, Qt::Uninitialized)};
    const char* in = wave.pcm.constData();
    char* out = stereo.pcm.data();
    for (qsizetype i = 0; i < wave.pcm.size(); i += 2, out += 4) {
        out[0] = out[2] = in[i];
        out[1] = out[3] = in[i + 1];
    }
    return stereo;
}

}  // namespace zelvan

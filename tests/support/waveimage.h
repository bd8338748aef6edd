#pragma once
// WAVE file images built in memory, chunk by chunk, for the tests of the
// reader and of the sound output.

#include <QtCore/QByteArray>
#include <QtCore/QtEndian>

namespace zelvan::test {

inline QByteArray u32(quint32 v) {
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

inline QByteArray u16(quint16 v) {
    QByteArray b(2, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

inline QByteArray fmtChunk(quint16 format, quint16 channels, quint32 rate, quint16 bits) {
    const quint16 align = quint16(channels * bits / 8);
    return "fmt " + u32(16) + u16(format) + u16(channels) + u32(rate) + u32(rate * align) +
           u16(align) + u16(bits);
}

// A WAVE image from its chunks; the RIFF size is whatever the chunks add up to.
inline QByteArray riff(const QByteArray& chunks) {
    return "RIFF" + u32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

// A well-formed 16-bit PCM image of interleaved `samples`.
inline QByteArray pcmImage(quint16 channels, quint32 rate, const QByteArray& samples) {
    return riff(fmtChunk(1, channels, rate, 16) + "data" + u32(quint32(samples.size())) + samples);
}

}  // namespace zelvan::test

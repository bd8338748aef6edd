// The sound player: the order of stop and play, the embedded effects'
// formats and sizes, the WAVE reader's tolerance of damaged files. The real
// output has its own tests, against a real sound server.

#include <QtCore/QFile>
#include <QtCore/QtEndian>
#include <QtTest/QtTest>

#include <cmath>

#include "app/ui/soundplayer.h"
#include "app/ui/soundresource.h"
#include "app/ui/wavedata.h"
#include "support/recordingsoundoutput.h"

using namespace zelvan;

namespace {

QByteArray u32(quint32 v) {
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray u16(quint16 v) {
    QByteArray b(2, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray fmtChunk(quint16 format, quint16 channels, quint32 rate, quint16 bits) {
    const quint16 align = quint16(channels * bits / 8);
    return "fmt " + u32(16) + u16(format) + u16(channels) + u32(rate) + u32(rate * align) +
           u16(align) + u16(bits);
}

// A WAVE image from its chunks; the RIFF size is whatever the chunks add up to.
QByteArray riff(const QByteArray& chunks) {
    return "RIFF" + u32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

}  // namespace

class SoundPlayerTest : public QObject {
    Q_OBJECT

private slots:
    void everyPlayStopsFirst() {
        std::vector<std::string> calls;
        SoundPlayer player(std::make_unique<test::RecordingSoundOutput>(calls));
        player.play(Sound::BluePiece);
        player.play(Sound::Click);
        player.play(Sound::Click);  // a second press starts the click again
        player.stop();
        const std::vector<std::string> expected{"stop", "play BluePiece", "stop", "play Click",
                                                "stop", "play Click",     "stop"};
        QCOMPARE(calls, expected);
    }

    void embeddedEffectsHaveTheirFormatAndSize_data() {
        QTest::addColumn<int>("sound");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("dataBytes");
        QTest::addColumn<int>("fileBytes");
        QTest::newRow("bluepiece") << int(Sound::BluePiece) << 1 << 3828 << 3872;
        QTest::newRow("redpiece") << int(Sound::RedPiece) << 1 << 3052 << 3096;
        QTest::newRow("bluewins") << int(Sound::BlueWins) << 1 << 48462 << 48506;
        QTest::newRow("redwins") << int(Sound::RedWins) << 1 << 79008 << 79052;
        QTest::newRow("play") << int(Sound::Play) << 1 << 9196 << 9240;
        QTest::newRow("click") << int(Sound::Click) << 2 << 888 << 932;
        QTest::newRow("exit") << int(Sound::Exit) << 1 << 53728 << 53772;
        QTest::newRow("calling") << int(Sound::Calling) << 1 << 43200 << 43296;
        QTest::newRow("error") << int(Sound::Error) << 1 << 22854 << 22898;
        QTest::newRow("startup") << int(Sound::Startup) << 1 << 79104 << 79148;
    }

    void embeddedEffectsHaveTheirFormatAndSize() {
        QFETCH(int, sound);
        QFETCH(int, channels);
        QFETCH(int, dataBytes);
        QFETCH(int, fileBytes);
        QFile file(soundResource(Sound(sound)));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QByteArray image = file.readAll();
        QCOMPARE(image.size(), fileBytes);
        const WaveData wave = parseWave(image);
        QCOMPARE(wave.channels, channels);
        QCOMPARE(wave.sampleRate, 44100);
        QCOMPARE(wave.pcm.size(), dataBytes);

        // Pleasant means no click at either end and no clipping: the first
        // and last frames are silent and the loudest sample sits near -6 dBFS.
        const auto* s = reinterpret_cast<const qint16*>(wave.pcm.constData());
        const qsizetype n = wave.pcm.size() / 2;
        for (int c = 0; c < channels; ++c) {
            QVERIFY(std::abs(qFromLittleEndian(s[c])) <= 16);
            QVERIFY(std::abs(qFromLittleEndian(s[n - channels + c])) <= 16);
        }
        int peak = 0;
        for (qsizetype i = 0; i < n; ++i)
            peak = std::max(peak, std::abs(int(qFromLittleEndian(s[i]))));
        const double dbfs = 20.0 * std::log10(peak / 32768.0);
        QVERIFY2(dbfs > -12.0 && dbfs < -5.0, qPrintable(QString::number(dbfs)));
    }

    void readerSkipsOtherChunksAndKeepsWholeFrames() {
        const QByteArray samples = u16(1000) + u16(quint16(-1000)) + u16(7) + u16(8);
        // An odd-sized chunk before the data is padded to an even length.
        const QByteArray image = riff(fmtChunk(1, 2, 22050, 16) + "junk" + u32(3) + "abc" + '\0' +
                                      "data" + u32(quint32(samples.size())) + samples);
        const WaveData wave = parseWave(image);
        QCOMPARE(wave.channels, 2);
        QCOMPARE(wave.sampleRate, 22050);
        QCOMPARE(wave.pcm, samples);

        // A data chunk cut short keeps the whole frames that are there.
        const QByteArray cut = image.left(image.size() - 3);
        QCOMPARE(parseWave(cut).pcm, samples.left(4));
    }

    void readerRefusesWhatItCannotPlay_data() {
        QTest::addColumn<QByteArray>("image");
        const QByteArray data = "data" + u32(4) + u32(0);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not riff") << QByteArray("RIFX") + u32(40) + "WAVE" +
                                         fmtChunk(1, 1, 44100, 16) + data;
        QTest::newRow("8-bit") << riff(fmtChunk(1, 1, 44100, 8) + data);
        QTest::newRow("float") << riff(fmtChunk(3, 1, 44100, 32) + data);
        QTest::newRow("six channels") << riff(fmtChunk(1, 6, 44100, 16) + data);
        QTest::newRow("rate 0") << riff(fmtChunk(1, 1, 0, 16) + data);
        QTest::newRow("data before fmt") << riff(data + fmtChunk(1, 1, 44100, 16));
        QTest::newRow("no data") << riff(fmtChunk(1, 1, 44100, 16));
        QTest::newRow("short fmt") << riff("fmt " + u32(8) + u16(1) + u16(1) + u32(44100) + data);
        QTest::newRow("huge chunk") << riff("LIST" + u32(0xFFFFFFF0u) + "INFO" + data);
    }

    void readerRefusesWhatItCannotPlay() {
        QFETCH(QByteArray, image);
        QVERIFY(parseWave(image).isEmpty());
    }
};

QTEST_MAIN(SoundPlayerTest)
#include "tst_soundplayer.moc"

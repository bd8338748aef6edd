// The sound output against a real sound server. A private PulseAudio server
// with a null sink runs for these tests alone; what the sink plays is
// recorded from its monitor and compared with the effects' own files. Also:
// the cut of a playing effect, a server that goes away and comes back, and
// no server at all.

#include <QtCore/QDeadlineTimer>
#include <QtCore/QProcess>
#include <QtCore/QTemporaryDir>
#include <QtCore/QThread>
#include <QtTest/QtTest>

#include <sys/prctl.h>

#include <cmath>
#include <csignal>
#include <cstring>
#include <mutex>

#include "app/ui/pulsesoundoutput.h"
#include "app/ui/soundresource.h"
#include "app/ui/wavedata.h"

using namespace zelvan;

namespace {

constexpr int kRate = PulseSoundOutput::kSampleRate;
constexpr int kFrameBytes = 4;  // 16-bit stereo, as the null sink and the recorder run
constexpr int kLoud = 64;       // a sample above this is sound, not silence

int framesIn(int ms) {
    return kRate * ms / 1000;
}

// A child started by these tests dies with the test process, however that
// ends, so a crash never leaves a server behind.
void dieWithParent() {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
}

// The sound server and its recorder keep every file in `dir` and stay away
// from the desktop's own session.
QProcessEnvironment isolated(const QString& dir) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR", "PULSE_RUNTIME_PATH", "PULSE_STATE_PATH"})
        env.insert(QLatin1String(name), dir);
    // Without a bus to reach the server would start one through the X display.
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), "unix:path=" + dir + "/no-bus");
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("PULSE_SERVER"));
    return env;
}

class PrivateSoundServer {
public:
    explicit PrivateSoundServer(const QString& dir) : dir_(dir) {
        server_.setProcessEnvironment(isolated(dir));
        server_.setProcessChannelMode(QProcess::MergedChannels);
        server_.setChildProcessModifier(&dieWithParent);
    }
    ~PrivateSoundServer() { stop(); }

    QString address() const { return "unix:" + dir_ + "/native"; }

    // Returns once the server answers on its socket.
    bool start() {
        // -n: no default modules; the server runs as root too (it only warns).
        // A sink that rewinds, to mix a new stream in before the samples it
        // has already rendered are played, hands its monitor the rendered
        // block and not the rewritten one, so a recording would miss an
        // effect's first milliseconds that a speaker plays: this null sink
        // never rewinds (no PipeWire sink does either).
        server_.start(
            QStringLiteral("pulseaudio"),
            {"--daemonize=no", "--system=no", "-n", "--exit-idle-time=-1", "--use-pid-file=no",
             "--realtime=no", "--high-priority=no", "--log-target=stderr", "--log-level=warning",
             "--load=module-null-sink sink_name=effects rate=44100 channels=2 format=s16le "
             "norewinds=1",
             "--load=module-native-protocol-unix auth-anonymous=1 socket=" + dir_ + "/native"});
        if (!server_.waitForStarted()) return false;
        QDeadlineTimer deadline(10'000);
        while (!deadline.hasExpired() && server_.state() == QProcess::Running) {
            if (pactl({"info"})) return true;
            QThread::msleep(50);
        }
        return false;
    }

    void stop() {
        if (server_.state() == QProcess::NotRunning) return;
        server_.terminate();
        if (!server_.waitForFinished(5000)) {
            server_.kill();
            server_.waitForFinished();
        }
    }

    QByteArray log() { return server_.readAll(); }

    // "yes" or "no" for each stream playing on the server.
    QStringList corked() {
        QByteArray listing;
        pactl({"list", "sink-inputs"}, &listing);
        QStringList answers;
        for (const QByteArray& line : listing.split('\n'))
            if (line.trimmed().startsWith("Corked:"))
                answers << QString::fromLatin1(line.trimmed().mid(7).trimmed());
        return answers;
    }

private:
    // Runs pactl on this server; true if it succeeded.
    bool pactl(const QStringList& args, QByteArray* output = nullptr) {
        QProcess process;
        process.setProcessEnvironment(isolated(dir_));
        process.start(QStringLiteral("pactl"), QStringList{"--server=" + address()} + args);
        const bool ok = process.waitForFinished() && process.exitCode() == 0;
        if (output) *output = process.readAllStandardOutput();
        return ok;
    }

    QString dir_;
    QProcess server_;
};

// Records the null sink's monitor as raw 16-bit stereo at 44.1 kHz.
class Recorder {
public:
    Recorder(const QString& dir, const QString& server) {
        parec_.setProcessEnvironment(isolated(dir));
        parec_.setChildProcessModifier(&dieWithParent);
        parec_.start(QStringLiteral("parec"),
                     {"--server=" + server, "--device=effects.monitor", "--raw", "--format=s16le",
                      "--rate=44100", "--channels=2", "--latency-msec=10"});
    }
    ~Recorder() {
        parec_.kill();
        parec_.waitForFinished();
    }

    // Returns once the first samples (the sink's silence) have come in.
    bool running() { return collect(data_.size() + kFrameBytes, 5000); }

    // Records until `ms` more milliseconds of sound have come in.
    bool recordFor(int ms) { return collect(data_.size() + framesIn(ms) * kFrameBytes, ms + 5000); }

    // Interleaved left and right samples, from the start of the recording.
    std::vector<qint16> samples() const {
        std::vector<qint16> s(std::size_t(data_.size() / kFrameBytes * 2));
        std::memcpy(s.data(), data_.constData(), s.size() * sizeof(qint16));
        return s;
    }

private:
    bool collect(qsizetype bytes, int timeoutMs) {
        QDeadlineTimer deadline(timeoutMs);
        while (data_.size() < bytes && !deadline.hasExpired()) {
            parec_.waitForReadyRead(100);
            data_ += parec_.readAllStandardOutput();
        }
        return data_.size() >= bytes;
    }

    QProcess parec_;
    QByteArray data_;
};

// What should be heard of a WAVE image: a mono one alike on both channels.
std::vector<qint16> heard(const QByteArray& image) {
    const WaveData wave = parseWave(image);
    const auto* in = reinterpret_cast<const qint16*>(wave.pcm.constData());
    const qsizetype frames = wave.pcm.size() / (2 * wave.channels);
    std::vector<qint16> out;
    for (qsizetype f = 0; f < frames; ++f) {
        out.push_back(in[f * wave.channels]);
        out.push_back(in[f * wave.channels + wave.channels - 1]);
    }
    return out;
}

// The first and last frame with sound on either channel; first is -1 for silence.
struct Span {
    qsizetype first = -1, last = -1;
    qsizetype frames() const { return first < 0 ? 0 : last - first + 1; }
};

Span loudSpan(const std::vector<qint16>& s) {
    Span span;
    for (std::size_t i = 0; i < s.size(); ++i)
        if (std::abs(int(s[i])) > kLoud) {
            if (span.first < 0) span.first = qsizetype(i / 2);
            span.last = qsizetype(i / 2);
        }
    return span;
}

// How well `wanted` matches `recorded`, laid where the loud frame `loud`
// of the recording meets its own loud frame `wantedLoud` (give or take 32
// frames): the normalised correlation at the best place, 1 for the same
// samples.
double similarity(const std::vector<qint16>& recorded, const std::vector<qint16>& wanted,
                  qsizetype loud, qsizetype wantedLoud) {
    double best = 0;
    for (qsizetype at = loud - wantedLoud - 32; at <= loud - wantedLoud + 32; ++at) {
        if (at < 0 || std::size_t(at) * 2 + wanted.size() > recorded.size()) continue;
        double both = 0, r2 = 0, w2 = 0;
        for (std::size_t i = 0; i < wanted.size(); ++i) {
            const double r = recorded[std::size_t(at) * 2 + i], w = wanted[i];
            both += r * w;
            r2 += r * r;
            w2 += w * w;
        }
        if (r2 > 0 && w2 > 0) best = std::max(best, both / std::sqrt(r2 * w2));
    }
    return best;
}

// The lines an output says, kept for the test; said on the sound thread.
struct Said {
    std::mutex mutex;
    std::vector<std::string> lines;

    PulseSoundOutput::Reporter reporter() {
        return [this](const std::string& line) {
            std::lock_guard lock(mutex);
            lines.push_back(line);
        };
    }
    std::vector<std::string> all() {
        std::lock_guard lock(mutex);
        return lines;
    }
};

QByteArray damagedExit(Sound sound) {
    return sound == Sound::Exit ? QByteArray("RIFF garbage") : loadSoundResource(sound);
}

}  // namespace

class PulseSoundOutputTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    std::unique_ptr<PrivateSoundServer> server_;
    Said said_;
    std::unique_ptr<PulseSoundOutput> output_;

    // Runs `script` while the sink's monitor is recorded; returns the recording.
    std::vector<qint16> record(const std::function<void(Recorder&)>& script) {
        Recorder recorder(dir_.path(), server_->address());
        if (!recorder.running()) {
            qWarning("the recorder got no samples");
            return {};
        }
        script(recorder);
        return recorder.samples();
    }

    void checkHeardWhole(const std::vector<qint16>& recorded, const QByteArray& image) {
        const std::vector<qint16> wanted = heard(image);
        const Span got = loudSpan(recorded), want = loudSpan(wanted);
        QVERIFY2(got.frames() > 0, "nothing but silence was recorded");
        QVERIFY2(std::abs(got.frames() - want.frames()) <= framesIn(30),
                 qPrintable(QString("%1 loud frames recorded, %2 in the file")
                                .arg(got.frames())
                                .arg(want.frames())));
        const double alike = similarity(recorded, wanted, got.first, want.first);
        QVERIFY2(alike > 0.99, qPrintable(QString::number(alike)));
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        server_ = std::make_unique<PrivateSoundServer>(dir_.path());
        QVERIFY2(server_->start(), server_->log().constData());
        qputenv("PULSE_SERVER", server_->address().toLocal8Bit());
        output_ = std::make_unique<PulseSoundOutput>(&damagedExit, said_.reporter());
        QTRY_COMPARE_WITH_TIMEOUT(output_->link(), PulseSoundOutput::Link::Ready, 10'000);
    }

    void cleanupTestCase() {
        output_.reset();
        if (server_) server_->stop();
        qunsetenv("PULSE_SERVER");
    }

    void effectReachesTheSinkWhole_data() {
        QTest::addColumn<Sound>("sound");
        QTest::newRow("calling, mono") << Sound::Calling;
        // Shorter than the stream's buffer: it must not wait for more.
        QTest::newRow("click, stereo, 5 ms") << Sound::Click;
    }

    void effectReachesTheSinkWhole() {
        QFETCH(Sound, sound);
        const QByteArray image = loadSoundResource(sound);
        const auto length = int(heard(image).size() / 2 * 1000 / kRate);
        const std::vector<qint16> recorded = record([&](Recorder& r) {
            output_->play(sound);
            r.recordFor(length + 300);
        });
        checkHeardWhole(recorded, image);
    }

    // The stream plays while an effect does, and is corked once it is over,
    // so that the sink may let the sound card sleep.
    void streamIsCorkedBetweenEffects() {
        output_->play(Sound::RedWins);
        QTRY_COMPARE_WITH_TIMEOUT(server_->corked(), QStringList{"no"}, 1000);
        QTRY_COMPARE_WITH_TIMEOUT(server_->corked(), QStringList{"yes"}, 5000);
    }

    // 100 ms into the long effect, a new one is asked for: the long one stops
    // there and the new one plays whole; a damaged one plays nothing, but
    // still cuts. (The bound leaves half a second for a busy machine.)
    void aNewEffectCutsThePlayingOne_data() {
        QTest::addColumn<Sound>("next");
        QTest::newRow("by an effect") << Sound::BluePiece;
        QTest::newRow("by a damaged effect") << Sound::Exit;
    }

    void aNewEffectCutsThePlayingOne() {
        QFETCH(Sound, next);
        const std::vector<qint16> recorded = record([&](Recorder& r) {
            output_->play(Sound::RedWins);
            r.recordFor(100);
            output_->play(next);
            r.recordFor(400);
        });
        const Span got = loudSpan(recorded);
        QVERIFY2(got.frames() > 0, "nothing but silence was recorded");
        const qsizetype whole = loudSpan(heard(loadSoundResource(Sound::RedWins))).frames();
        QVERIFY2(
            got.frames() < whole - framesIn(250),
            qPrintable(
                QString("%1 loud frames, the whole effect has %2").arg(got.frames()).arg(whole)));
        if (!output_->effect(next).isEmpty()) {
            const std::vector<qint16> wanted = heard(loadSoundResource(next));
            QVERIFY(similarity(recorded, wanted, got.last, loudSpan(wanted).last) > 0.99);
        }
    }

    // The last: it stops the server and starts a new one.
    void soundResumesWhenTheServerComesBack() {
        server_->stop();
        QTRY_COMPARE_WITH_TIMEOUT(output_->link(), PulseSoundOutput::Link::Unavailable, 10'000);
        QVERIFY2(server_->start(), server_->log().constData());
        const std::vector<qint16> recorded = record([&](Recorder& r) {
            output_->play(Sound::Calling);
            r.recordFor(800);
        });
        QCOMPARE(output_->link(), PulseSoundOutput::Link::Ready);
        checkHeardWhole(recorded, loadSoundResource(Sound::Calling));
        // A server that went away is looked for again without a word.
        QVERIFY(said_.all().empty());
    }

    void withoutServerTheGamePlaysOnSilently() {
        qputenv("PULSE_SERVER", ("unix:" + dir_.path() + "/absent").toLocal8Bit());
        Said said;
        PulseSoundOutput output(&loadSoundResource, said.reporter());
        QTRY_COMPARE_WITH_TIMEOUT(output.link(), PulseSoundOutput::Link::Unavailable, 10'000);
        for (int i = 0; i < kSoundCount; ++i) {
            QVERIFY(!output.effect(Sound(i)).isEmpty());
            output.play(Sound(i));
            QTRY_COMPARE_WITH_TIMEOUT(output.link(), PulseSoundOutput::Link::Unavailable, 10'000);
        }
        output.stop();
        const std::vector<std::string> lines = said.all();
        QCOMPARE(lines.size(), std::size_t(1));
        QVERIFY2(lines[0].starts_with("zelvan: no sound server"), lines[0].c_str());
        qputenv("PULSE_SERVER", server_->address().toLocal8Bit());
    }
};

QTEST_MAIN(PulseSoundOutputTest)
#include "tst_pulsesoundoutput.moc"

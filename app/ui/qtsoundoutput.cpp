#include "app/ui/qtsoundoutput.h"

#include <QtCore/QFile>
#include <QtCore/QLoggingCategory>
#include <QtMultimedia/QAudioDevice>
#include <QtMultimedia/QAudioFormat>
#include <QtMultimedia/QAudioSink>
#include <QtMultimedia/QMediaDevices>

#include <mutex>

namespace zelvan {

namespace {

// The game prints nothing, but Qt Multimedia warns on stderr when there is
// no sound server or device ("PulseAudioService: pa_context_connect()
// failed", "No audio device detected"), mostly without a logging category.
// Every call into it therefore runs with messages swallowed.
class QuietScope {
public:
    QuietScope() : previous_(qInstallMessageHandler(&swallow)) {}
    ~QuietScope() { qInstallMessageHandler(previous_); }
    QuietScope(const QuietScope&) = delete;
    QuietScope& operator=(const QuietScope&) = delete;

private:
    static void swallow(QtMsgType, const QMessageLogContext&, const QString&) {}
    QtMessageHandler previous_;
};

// What the audio back end reports later from its own thread (a stream that
// fails mid-way) comes under the qt.multimedia categories: those stay quiet
// too. Qt keeps one process-wide filter chain, so the previous filter is
// remembered once and called first.
QLoggingCategory::CategoryFilter& previousFilter() {
    static QLoggingCategory::CategoryFilter previous = nullptr;
    return previous;
}

void quietMultimediaCategories(QLoggingCategory* category) {
    if (previousFilter()) previousFilter()(category);
    if (qstrncmp(category->categoryName(), "qt.multimedia", 13) == 0) {
        category->setEnabled(QtDebugMsg, false);
        category->setEnabled(QtInfoMsg, false);
        category->setEnabled(QtWarningMsg, false);
        category->setEnabled(QtCriticalMsg, false);
    }
}

void installCategoryFilter() {
    static std::once_flag once;
    std::call_once(once, [] {
        previousFilter() = QLoggingCategory::installFilter(&quietMultimediaCategories);
    });
}

const char* const kNames[kSoundCount] = {"bluepiece", "redpiece", "bluewins", "redwins", "play",
                                         "click",     "exit",     "calling",  "error",   "startup"};

std::size_t indexOf(Sound sound) {
    return static_cast<std::size_t>(sound);
}

QByteArray loadResource(Sound sound) {
    QFile file(soundResource(sound));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Trailing silence after every effect, in milliseconds. The sound server
// holds back a stream until its buffer has filled, and a five-millisecond
// click alone would never fill it; the silence also carries the last real
// samples out before the stream runs dry.
constexpr int kTailMs = 250;

}  // namespace

QString soundResource(Sound sound) {
    return QStringLiteral(":/sounds/%1.wav").arg(QLatin1String(kNames[indexOf(sound)]));
}

QtSoundOutput::QtSoundOutput() : QtSoundOutput(Loader(&loadResource)) {}

QtSoundOutput::QtSoundOutput(const Loader& load) {
    installCategoryFilter();
    for (int i = 0; i < kSoundCount; ++i) {
        WaveData wave = parseWave(load(static_cast<Sound>(i)));
        if (!wave.isEmpty()) {
            const qsizetype tail = qsizetype(wave.sampleRate) * kTailMs / 1000 * 2 * wave.channels;
            wave.pcm.append(QByteArray(tail, '\0'));
        }
        effects_[i] = std::move(wave);
    }
    // Connecting to the sound server happens on first use: do it now, while
    // the window is being built, rather than on the first click.
    QuietScope quiet;
    (void)QMediaDevices::defaultAudioOutput();
}

QtSoundOutput::~QtSoundOutput() {
    stop();
}

const WaveData& QtSoundOutput::effect(Sound sound) const {
    return effects_[indexOf(sound)];
}

void QtSoundOutput::play(Sound sound) {
    stop();
    const WaveData& wave = effects_[indexOf(sound)];
    if (wave.isEmpty()) return;

    QuietScope quiet;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return;

    QAudioFormat format;
    format.setSampleRate(wave.sampleRate);
    format.setChannelCount(wave.channels);
    format.setSampleFormat(QAudioFormat::Int16);

    source_.setData(wave.pcm);  // shares the bytes, no copy
    source_.open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    // Pull mode: the sink reads the buffer from the audio thread's pace and
    // this call returns as soon as the stream is set up.
    sink_->start(&source_);
    if (sink_->error() != QAudio::NoError) stop();
}

void QtSoundOutput::stop() {
    if (sink_) {
        QuietScope quiet;
        sink_->stop();
        sink_.reset();
    }
    source_.close();
}

}  // namespace zelvan

#include "app/ui/pulsesoundoutput.h"

#include <pulse/pulseaudio.h>
#include <pulse/rtclock.h>

#include <cstdint>
#include <cstdio>

namespace zelvan {

namespace {

// The stream's buffer on the server, and so the sink's latency while an
// effect plays: short, so the sink mixes the samples in almost as they come.
constexpr pa_usec_t kTargetLatencyUs = 20'000;

// How long after an effect's end the stream is corked: a stream that stays
// uncorked keeps the sink running and the sound card awake.
constexpr pa_usec_t kCorkAfterUs = 500'000;

constexpr pa_sample_spec kStreamFormat{PA_SAMPLE_S16LE, PulseSoundOutput::kSampleRate, 2};

class LoopLock {
public:
    explicit LoopLock(pa_threaded_mainloop* loop) : loop_(loop) {
        pa_threaded_mainloop_lock(loop_);
    }
    ~LoopLock() { pa_threaded_mainloop_unlock(loop_); }
    LoopLock(const LoopLock&) = delete;
    LoopLock& operator=(const LoopLock&) = delete;

private:
    pa_threaded_mainloop* loop_;
};

void sayOnStandardError(const std::string& line) {
    std::fputs((line + '\n').c_str(), stderr);
    std::fflush(stderr);
}

void forget(pa_operation* operation) {
    if (operation) pa_operation_unref(operation);
}

}  // namespace

PulseSoundOutput::PulseSoundOutput() : PulseSoundOutput(Loader(&loadSoundResource)) {}

PulseSoundOutput::PulseSoundOutput(const Loader& load, Reporter report)
    : report_(report ? std::move(report) : Reporter(&sayOnStandardError)) {
    for (int i = 0; i < kSoundCount; ++i) {
        const WaveData wave = parseWave(load(static_cast<Sound>(i)));
        // Channels convert exactly to the stream's stereo; a rate would not.
        if (wave.sampleRate == kSampleRate) effects_[i] = toStereo(wave);
    }
    loop_ = pa_threaded_mainloop_new();
    if (!loop_) {
        lost(PA_ERR_INTERNAL);
        return;
    }
    pa_threaded_mainloop_set_name(loop_, "zelvan-sound");
    // Even creating the connection reads configuration (and may ask the X
    // server where the sound server is): the sound thread does all of it.
    pa_mainloop_api_once(pa_threaded_mainloop_get_api(loop_), &PulseSoundOutput::connectNow, this);
    if (pa_threaded_mainloop_start(loop_) < 0) {
        pa_threaded_mainloop_free(loop_);
        loop_ = nullptr;
        lost(PA_ERR_INTERNAL);
    }
}

PulseSoundOutput::~PulseSoundOutput() {
    if (!loop_) return;
    {
        LoopLock lock(loop_);
        closing_ = true;
        release();
    }
    pa_threaded_mainloop_stop(loop_);
    pa_threaded_mainloop_free(loop_);
}

const WaveData& PulseSoundOutput::effect(Sound sound) const {
    return effects_[static_cast<std::size_t>(sound)];
}

PulseSoundOutput::Link PulseSoundOutput::link() const {
    if (!loop_) return link_;
    LoopLock lock(loop_);
    return link_;
}

void PulseSoundOutput::onStarted(Started started) {
    if (!loop_) return;
    LoopLock lock(loop_);
    started_ = std::move(started);
}

void PulseSoundOutput::play(Sound sound) {
    if (!loop_) return;
    LoopLock lock(loop_);
    cut();
    pending_.reset();
    if (effect(sound).isEmpty()) return;
    switch (link_) {
    case Link::Ready:
        start(sound);
        break;
    case Link::Connecting:
        pending_ = sound;
        break;
    case Link::Unavailable:
        // The server may be back: look for it again, and play this effect
        // if it answers.
        pending_ = sound;
        link_ = Link::Connecting;
        pa_mainloop_api_once(pa_threaded_mainloop_get_api(loop_), &PulseSoundOutput::connectNow,
                             this);
        break;
    }
}

void PulseSoundOutput::stop() {
    if (!loop_) return;
    LoopLock lock(loop_);
    cut();
    pending_.reset();
}

void PulseSoundOutput::connectNow(pa_mainloop_api*, void* self) {
    static_cast<PulseSoundOutput*>(self)->connect();
}

void PulseSoundOutput::connect() {
    if (closing_) return;
    release();
    link_ = Link::Connecting;
    reached_ = false;
    pa_proplist* props = pa_proplist_new();
    pa_proplist_sets(props, PA_PROP_APPLICATION_NAME, "Zelvan");
    pa_proplist_sets(props, PA_PROP_APPLICATION_ID, "io.github.zelvan.Zelvan");
    pa_proplist_sets(props, PA_PROP_APPLICATION_ICON_NAME, "io.github.zelvan.Zelvan");
    context_ = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop_), "Zelvan", props);
    pa_proplist_free(props);
    if (!context_) {
        lost(PA_ERR_INTERNAL);
        return;
    }
    pa_context_set_state_callback(context_, &PulseSoundOutput::contextChanged, this);
    // Never start a server of our own: a desktop without one stays silent.
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        lost(pa_context_errno(context_));
}

void PulseSoundOutput::contextChanged(pa_context* context, void* self) {
    auto* output = static_cast<PulseSoundOutput*>(self);
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        output->reached_ = true;
        output->openStream();
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        output->lost(pa_context_errno(context));
        break;
    default:
        break;
    }
}

void PulseSoundOutput::openStream() {
    pa_proplist* props = pa_proplist_new();
    pa_proplist_sets(props, PA_PROP_MEDIA_ROLE, "game");
    stream_ =
        pa_stream_new_with_proplist(context_, "Sound effects", &kStreamFormat, nullptr, props);
    pa_proplist_free(props);
    if (!stream_) {
        lost(pa_context_errno(context_));
        return;
    }
    pa_stream_set_state_callback(stream_, &PulseSoundOutput::streamChanged, this);
    // maxlength stays the server's (megabytes): a whole effect is written at
    // once, far beyond the target length. Prebuffering waits for a full
    // target length; start() triggers each effect instead, so a click
    // shorter than that plays too. The stream starts corked: nothing plays
    // yet.
    const auto serverDefault = static_cast<std::uint32_t>(-1);
    pa_buffer_attr buffer{};
    buffer.maxlength = serverDefault;
    buffer.tlength = static_cast<std::uint32_t>(pa_usec_to_bytes(kTargetLatencyUs, &kStreamFormat));
    buffer.prebuf = serverDefault;
    buffer.minreq = serverDefault;
    buffer.fragsize = serverDefault;
    const auto flags =
        static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY | PA_STREAM_START_CORKED);
    if (pa_stream_connect_playback(stream_, nullptr, &buffer, flags, nullptr, nullptr) < 0)
        lost(pa_context_errno(context_));
}

void PulseSoundOutput::streamChanged(pa_stream* stream, void* self) {
    auto* output = static_cast<PulseSoundOutput*>(self);
    switch (pa_stream_get_state(stream)) {
    case PA_STREAM_READY:
        output->link_ = Link::Ready;
        if (output->pending_) {
            output->start(*output->pending_);
            output->pending_.reset();
        }
        break;
    case PA_STREAM_FAILED:
    case PA_STREAM_TERMINATED:
        output->lost(pa_context_errno(pa_stream_get_context(stream)));
        break;
    default:
        break;
    }
}

void PulseSoundOutput::lost(int error) {
    if (link_ == Link::Unavailable) return;
    link_ = Link::Unavailable;
    pending_.reset();
    // Only a server that could not be reached is worth a word, and only the
    // first time: one that went away is looked for again quietly.
    if (reached_ || told_) return;
    told_ = true;
    report_(std::string("zelvan: no sound server (") + pa_strerror(error) +
            "): the game plays without sound");
}

void PulseSoundOutput::release() {
    if (quietTimer_) {
        pa_threaded_mainloop_get_api(loop_)->time_free(quietTimer_);
        quietTimer_ = nullptr;
    }
    if (stream_) {
        pa_stream_set_state_callback(stream_, nullptr, nullptr);
        pa_stream_disconnect(stream_);
        pa_stream_unref(stream_);
        stream_ = nullptr;
    }
    if (context_) {
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_disconnect(context_);
        pa_context_unref(context_);
        context_ = nullptr;
    }
}

void PulseSoundOutput::cut() {
    // Drops what the server still holds of the last effect; the write index
    // goes back to the read index, where the next effect's samples will land.
    if (link_ == Link::Ready) forget(pa_stream_flush(stream_, nullptr, nullptr));
}

void PulseSoundOutput::start(Sound sound) {
    const QByteArray& pcm = effect(sound).pcm;
    if (pa_stream_write(stream_, pcm.constData(), static_cast<std::size_t>(pcm.size()), nullptr, 0,
                        PA_SEEK_RELATIVE_ON_READ) < 0)
        return;
    forget(pa_stream_cork(stream_, 0, nullptr, nullptr));
    forget(pa_stream_trigger(stream_, &PulseSoundOutput::triggered, this));

    // Every effect moves the cork on to its own end.
    const pa_usec_t corkAt =
        pa_rtclock_now() +
        pa_bytes_to_usec(static_cast<std::uint64_t>(pcm.size()), &kStreamFormat) + kCorkAfterUs;
    if (quietTimer_)
        pa_context_rttime_restart(context_, quietTimer_, corkAt);
    else
        quietTimer_ = pa_context_rttime_new(context_, corkAt, &PulseSoundOutput::quiet, this);
}

void PulseSoundOutput::quiet(pa_mainloop_api*, pa_time_event*, const timeval*, void* self) {
    auto* output = static_cast<PulseSoundOutput*>(self);
    if (output->link_ == Link::Ready) forget(pa_stream_cork(output->stream_, 1, nullptr, nullptr));
}

void PulseSoundOutput::triggered(pa_stream*, int success, void* self) {
    auto* output = static_cast<PulseSoundOutput*>(self);
    if (success && output->started_) output->started_();
}

}  // namespace zelvan

#pragma once
// Plays the embedded sound effects through the desktop's sound server
// (PulseAudio, or PipeWire's PulseAudio service) with libpulse. One playback
// stream, 44.1 kHz 16-bit stereo, is opened at start-up and kept for the
// whole run. A new effect flushes whatever the stream still holds and writes
// its own samples, so it cuts the one that plays. Between effects the stream
// is corked, so the server may let the sound card sleep. libpulse talks to
// the server on a thread of its own: play() and stop() hand it the work and
// never wait for the server.
//
// When no server can be reached the game is silent and says so once. When
// the server goes away, the next effect looks for it again and plays as soon
// as the new connection stands.

#include <QtCore/QByteArray>

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "app/ui/soundoutput.h"
#include "app/ui/soundresource.h"
#include "app/ui/wavedata.h"

struct pa_context;
struct pa_mainloop_api;
struct pa_stream;
struct pa_threaded_mainloop;
struct pa_time_event;
struct timeval;

namespace zelvan {

class PulseSoundOutput : public SoundOutput {
public:
    // Returns the WAVE image of an effect; an empty or damaged image, or one
    // at another rate than the stream's, makes that effect silent.
    using Loader = std::function<QByteArray(Sound)>;
    // Says the one line about a missing sound server; called on the sound
    // thread.
    using Reporter = std::function<void(const std::string& line)>;
    // Told on the sound thread each time the server confirms that it holds
    // an effect's samples and has started it.
    using Started = std::function<void()>;

    enum class Link {
        Connecting,   // waiting for the server; an effect asked for meanwhile plays once it answers
        Ready,        // effects play at once
        Unavailable,  // no server: effects are silent, and the next one looks for it again
    };

    static constexpr int kSampleRate = 44100;

    PulseSoundOutput();  // the embedded effects; the line goes to standard error
    explicit PulseSoundOutput(const Loader& load, Reporter report = {});
    ~PulseSoundOutput() override;

    PulseSoundOutput(const PulseSoundOutput&) = delete;
    PulseSoundOutput& operator=(const PulseSoundOutput&) = delete;

    void play(Sound sound) override;
    void stop() override;

    // The effect as it is written to the stream (stereo).
    const WaveData& effect(Sound sound) const;
    Link link() const;
    void onStarted(Started started);

private:
    // Everything below runs with the sound thread's lock held.
    static void connectNow(pa_mainloop_api* api, void* self);
    static void contextChanged(pa_context* context, void* self);
    static void streamChanged(pa_stream* stream, void* self);
    static void triggered(pa_stream* stream, int success, void* self);
    static void quiet(pa_mainloop_api* api, pa_time_event* event, const timeval* now, void* self);
    void connect();
    void openStream();
    void lost(int error);
    void release();
    void cut();
    void start(Sound sound);

    std::array<WaveData, kSoundCount> effects_;
    Reporter report_;
    Started started_;
    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    pa_time_event* quietTimer_ = nullptr;  // corks the stream once the last effect is over
    Link link_ = Link::Connecting;
    std::optional<Sound> pending_;  // asked for while connecting
    bool reached_ = false;          // the present connection got through to a server
    bool told_ = false;             // the missing server has been reported
    bool closing_ = false;
};

}  // namespace zelvan

// What one effect costs: how long play() holds the calling thread (the
// window's, in the game), and how long from play() until the sound server
// confirms that it holds the effect's first samples and has started it.
// Needs a sound server: the desktop's, or the one PULSE_SERVER names, for
// example a private one with a null sink:
//   pulseaudio -n --daemonize=no --exit-idle-time=-1 --load=module-null-sink
//     --load="module-native-protocol-unix socket=/tmp/zelvan-pulse" &   (one line)
//   PULSE_SERVER=unix:/tmp/zelvan-pulse build/bench/zelvan-bench-sound
// The shortest effect and the longest are measured, 200 plays each one
// right after the other, and the click 20 times after a pause long enough
// for the stream to be corked (the usual case in a game).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "app/ui/pulsesoundoutput.h"

using namespace zelvan;

namespace {

using Clock = std::chrono::steady_clock;

double msBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

void playToServer(benchmark::State& state) {
    const auto sound = static_cast<Sound>(state.range(0));
    const auto pause = std::chrono::milliseconds(state.range(1));
    PulseSoundOutput output;
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    while (output.link() == PulseSoundOutput::Link::Connecting && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    if (output.link() != PulseSoundOutput::Link::Ready) {
        state.SkipWithError("no sound server");
        return;
    }

    std::mutex mutex;
    std::condition_variable confirmed;
    bool started = false;
    output.onStarted([&] {
        const std::lock_guard lock(mutex);
        started = true;
        confirmed.notify_one();
    });

    std::vector<double> callMs, serverMs;
    for (auto _ : state) {
        std::this_thread::sleep_for(pause);
        std::unique_lock lock(mutex);
        started = false;
        lock.unlock();
        const auto asked = Clock::now();
        output.play(sound);
        const auto returned = Clock::now();
        lock.lock();
        if (!confirmed.wait_for(lock, std::chrono::seconds(1), [&] { return started; })) {
            state.SkipWithError("the server never confirmed an effect");
            return;
        }
        const auto atServer = Clock::now();
        lock.unlock();
        callMs.push_back(msBetween(asked, returned));
        serverMs.push_back(msBetween(asked, atServer));
        state.SetIterationTime(msBetween(asked, atServer) / 1000.0);
    }
    output.stop();

    const auto median = [](std::vector<double> v) {
        std::nth_element(v.begin(), v.begin() + std::ptrdiff_t(v.size() / 2), v.end());
        return v[v.size() / 2];
    };
    state.counters["call_median_ms"] = median(callMs);
    state.counters["call_worst_ms"] = *std::max_element(callMs.begin(), callMs.end());
    state.counters["server_median_ms"] = median(serverMs);
    state.counters["server_worst_ms"] = *std::max_element(serverMs.begin(), serverMs.end());
}
BENCHMARK(playToServer)
    ->ArgNames({"sound", "pause_ms"})
    ->Args({int(Sound::Click), 0})
    ->Args({int(Sound::Startup), 0})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(200);
BENCHMARK(playToServer)
    ->ArgNames({"sound", "pause_ms"})
    ->Args({int(Sound::Click), 700})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

}  // namespace

BENCHMARK_MAIN();

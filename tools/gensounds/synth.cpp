#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace gensounds {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// 0 at x <= 0, 1 at x >= 1, a half cosine between: a rise without a kink.
double smoothStep(double x) {
    if (x <= 0.0) return 0.0;
    if (x >= 1.0) return 1.0;
    return 0.5 - 0.5 * std::cos(std::numbers::pi * x);
}

double envelope(const Note& note, double t) {
    double e = note.attack > 0.0 ? smoothStep(t / note.attack) : 1.0;
    if (note.length > 0.0) {
        if (t >= note.length) return 0.0;
        if (note.release > 0.0) e *= smoothStep((note.length - t) / note.release);
    }
    return e;
}

}  // namespace

void addNote(Signal& signal, const Note& note) {
    const auto first = static_cast<std::size_t>(std::lround(note.start * kSampleRate));
    // The phase of every partial follows the note's (possibly gliding)
    // frequency, integrated sample by sample so glides stay continuous.
    std::vector<double> phase(note.partials.size(), 0.0);
    for (std::size_t i = first; i < signal.size(); ++i) {
        const double t = static_cast<double>(i - first) / kSampleRate;
        if (note.length > 0.0 && t >= note.length) break;
        const double env = envelope(note, t);

        double f = note.freq;
        if (note.freqEnd > 0.0 && note.glide > 0.0)
            f *= std::pow(note.freqEnd / note.freq, std::min(t / note.glide, 1.0));
        if (note.vibratoHz > 0.0)
            f *= 1.0 + note.vibratoDepth * std::sin(kTwoPi * note.vibratoHz * t);

        double sum = 0.0;
        for (std::size_t p = 0; p < note.partials.size(); ++p) {
            const Partial& part = note.partials[p];
            const double tau = note.decay * part.decayScale;
            const double decay = tau > 0.0 ? std::exp(-t / tau) : 1.0;
            sum += part.gain * decay * std::sin(phase[p]);
            phase[p] += kTwoPi * f * part.ratio / kSampleRate;
            if (phase[p] > kTwoPi) phase[p] -= kTwoPi;
        }
        signal[i] += note.amp * env * sum;
    }
}

void addNoise(Signal& signal, const NoiseBurst& burst) {
    const auto first = static_cast<std::size_t>(std::lround(burst.start * kSampleRate));
    std::uint32_t state = burst.seed;
    const double lpA =
        burst.lowpassHz > 0.0 ? 1.0 - std::exp(-kTwoPi * burst.lowpassHz / kSampleRate) : 1.0;
    const double hpA =
        burst.highpassHz > 0.0 ? 1.0 - std::exp(-kTwoPi * burst.highpassHz / kSampleRate) : 0.0;
    double low = 0.0;
    double bass = 0.0;
    for (std::size_t i = first; i < signal.size(); ++i) {
        const double t = static_cast<double>(i - first) / kSampleRate;
        const double env = smoothStep(t / burst.attack) * std::exp(-t / burst.decay);
        if (t > burst.attack && env < 1e-5) break;
        // A 32-bit linear congruential generator: white noise in [-1, 1).
        state = state * 1664525u + 1013904223u;
        const double white = static_cast<double>(state) / 2147483648.0 - 1.0;
        low += lpA * (white - low);
        bass += hpA * (low - bass);
        signal[i] += burst.amp * env * (low - bass);
    }
}

void fadeEnds(Signal& signal, double fadeIn, double fadeOut) {
    const std::size_t n = signal.size();
    const auto in = static_cast<std::size_t>(fadeIn * kSampleRate);
    const auto out = static_cast<std::size_t>(fadeOut * kSampleRate);
    for (std::size_t i = 0; i < n; ++i) {
        double g = 1.0;
        if (in > 0 && i < in) g *= smoothStep(static_cast<double>(i) / static_cast<double>(in));
        if (out > 0 && i + out >= n)
            g *= smoothStep(static_cast<double>(n - 1 - i) / static_cast<double>(out));
        signal[i] *= g;
    }
}

void normalizePeak(Signal& signal, double dbfs) {
    double peak = 0.0;
    for (double s : signal)
        peak = std::max(peak, std::abs(s));
    if (peak <= 0.0) return;
    const double gain = std::pow(10.0, dbfs / 20.0) / peak;
    for (double& s : signal)
        s *= gain;
}

std::vector<std::int16_t> toPcm16(const Signal& signal) {
    std::vector<std::int16_t> out;
    out.reserve(signal.size());
    for (double s : signal) {
        const double v = std::clamp(std::round(s * 32767.0), -32768.0, 32767.0);
        out.push_back(static_cast<std::int16_t>(v));
    }
    return out;
}

}  // namespace gensounds

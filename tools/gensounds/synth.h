#pragma once
// A small additive synthesiser: decaying notes made of partials, filtered
// noise bursts, end fades and peak normalisation. Everything is computed in
// double precision from the sample index, so a clip is the same on every run.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace gensounds {

constexpr double kSampleRate = 44100.0;

using Signal = std::vector<double>;

struct Partial {
    double ratio = 1.0;       // frequency relative to the note
    double gain = 1.0;        // amplitude relative to the note
    double decayScale = 1.0;  // multiplies the note's decay time
};

struct Note {
    double start = 0.0;    // seconds from the clip's start
    double freq = 440.0;   // Hz at the start
    double freqEnd = 0.0;  // Hz reached after `glide` seconds; 0 keeps `freq`
    double glide = 0.0;
    double amp = 1.0;
    double attack = 0.005;  // raised-cosine rise, seconds
    double decay = 0.0;     // exponential time constant, seconds; 0 sustains
    double length = 0.0;    // gate length, seconds; 0 runs to the clip's end
    double release = 0.01;  // raised-cosine fall at the end of the gate
    double vibratoHz = 0.0;
    double vibratoDepth = 0.0;  // fraction of the frequency
    std::vector<Partial> partials{Partial{}};
};

struct NoiseBurst {
    double start = 0.0;
    double amp = 1.0;
    double attack = 0.0005;
    double decay = 0.002;
    double lowpassHz = 0.0;   // 0 leaves the top open
    double highpassHz = 0.0;  // 0 leaves the bottom open
    std::uint32_t seed = 1;
};

void addNote(Signal& signal, const Note& note);
void addNoise(Signal& signal, const NoiseBurst& burst);

// Raised-cosine fade in and out, so a clip starts and ends at silence.
void fadeEnds(Signal& signal, double fadeIn, double fadeOut);

// Scales the signal so its largest magnitude sits at `dbfs` (e.g. -6).
void normalizePeak(Signal& signal, double dbfs);

std::vector<std::int16_t> toPcm16(const Signal& signal);

}  // namespace gensounds

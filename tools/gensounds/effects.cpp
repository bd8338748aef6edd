#include "effects.h"

#include <cmath>
#include <functional>
#include <stdexcept>

#include "synth.h"

namespace gensounds {

namespace {

// Modes of a free wooden bar: what makes a click sound like wood.
const std::vector<Partial> kWood{{1.0, 1.0, 1.0}, {2.76, 0.45, 0.5}, {5.40, 0.18, 0.3}};
// A glockenspiel-like bell: harmonic, upper partials dying first, a touch
// of inharmonic shimmer on top.
const std::vector<Partial> kBell{
    {1.0, 1.0, 1.0}, {2.0, 0.28, 0.6}, {3.0, 0.10, 0.4}, {4.16, 0.05, 0.25}};
// Soft and round, for the falling and closing tunes.
const std::vector<Partial> kSoft{{1.0, 1.0, 1.0}, {2.0, 0.25, 0.7}, {3.0, 0.08, 0.5}};
// Warm electric-piano-like voice for the start-up chord.
const std::vector<Partial> kWarm{
    {1.0, 1.0, 1.0}, {2.0, 0.35, 0.7}, {3.0, 0.12, 0.5}, {4.0, 0.05, 0.4}};

// A band-limited sawtooth at `freq`, its top rolled off above `cutoff`:
// buzzy without being harsh.
std::vector<Partial> buzzPartials(double freq, double cutoff) {
    std::vector<Partial> parts;
    for (int k = 1; k * freq < 6000.0; ++k) {
        const double roll = 1.0 / (1.0 + std::pow(k * freq / cutoff, 2.0));
        parts.push_back({static_cast<double>(k), roll / k, 1.0});
    }
    return parts;
}

Signal piece(std::size_t frames, double base, double lowpass, double highpass, double decay,
             std::uint32_t seed) {
    Signal s(frames);
    addNote(s, {.freq = base, .attack = 0.0006, .decay = decay, .partials = kWood});
    addNoise(s, {.amp = 0.35,
                 .attack = 0.0003,
                 .decay = 0.0015,
                 .lowpassHz = lowpass,
                 .highpassHz = highpass,
                 .seed = seed});
    fadeEnds(s, 0.0003, 0.004);
    normalizePeak(s, -6.0);
    return s;
}

Signal bluePiece(std::size_t n) {
    return piece(n, 480.0, 3500.0, 400.0, 0.009, 11);
}

Signal redPiece(std::size_t n) {
    return piece(n, 760.0, 7000.0, 1200.0, 0.007, 23);
}

Signal blueWins(std::size_t n) {
    Signal s(n);
    // C5, E5, G5, C6: a major arpeggio climbing to the octave.
    const double notes[] = {523.25, 659.26, 783.99, 1046.50};
    for (int i = 0; i < 4; ++i)
        addNote(s, {.start = 0.09 * i,
                    .freq = notes[i],
                    .attack = 0.003,
                    .decay = i == 3 ? 0.32 : 0.22,
                    .partials = kBell});
    fadeEnds(s, 0.001, 0.06);
    normalizePeak(s, -6.0);
    return s;
}

Signal redWins(std::size_t n) {
    Signal s(n);
    // G4, E flat 4, C4: a minor triad going down, each note sagging a little,
    // the last one drooping further with a slow vibrato.
    const double notes[] = {392.00, 311.13, 261.63};
    for (int i = 0; i < 2; ++i)
        addNote(s, {.start = 0.2 * i,
                    .freq = notes[i],
                    .freqEnd = notes[i] * 0.975,
                    .glide = 0.2,
                    .attack = 0.012,
                    .decay = 0.25,
                    .length = 0.24,
                    .release = 0.05,
                    .partials = kSoft});
    addNote(s, {.start = 0.4,
                .freq = notes[2],
                .freqEnd = notes[2] * 0.94,
                .glide = 0.45,
                .attack = 0.015,
                .decay = 0.45,
                .vibratoHz = 5.0,
                .vibratoDepth = 0.006,
                .partials = kSoft});
    fadeEnds(s, 0.001, 0.15);
    normalizePeak(s, -6.0);
    return s;
}

Signal playSound(std::size_t n) {
    Signal s(n);
    // A round "thock": a quick downward pitch drop under a short tick.
    addNote(s, {.freq = 440.0,
                .freqEnd = 220.0,
                .glide = 0.03,
                .attack = 0.0008,
                .decay = 0.025,
                .partials = {{1.0, 1.0, 1.0}, {2.0, 0.25, 0.5}}});
    addNoise(s, {.amp = 0.5,
                 .attack = 0.0003,
                 .decay = 0.0012,
                 .lowpassHz = 5000.0,
                 .highpassHz = 800.0,
                 .seed = 37});
    fadeEnds(s, 0.0003, 0.01);
    normalizePeak(s, -6.0);
    return s;
}

Signal click(std::size_t n) {
    Signal s(n);
    addNote(s, {.freq = 2200.0,
                .attack = 0.0,
                .decay = 0.002,
                .partials = {{1.0, 1.0, 1.0}, {2.1, 0.3, 1.0}}});
    // Five milliseconds: a Hann window over the whole clip.
    const double half = static_cast<double>(n) / 2.0 / kSampleRate;
    fadeEnds(s, half, half);
    normalizePeak(s, -8.0);
    return s;
}

Signal exitSound(std::size_t n) {
    Signal s(n);
    // E5 then A4, with A3 underneath: a gentle falling fourth, like a lid
    // closing.
    addNote(s, {.freq = 659.26,
                .attack = 0.006,
                .decay = 0.14,
                .length = 0.2,
                .release = 0.05,
                .partials = kSoft});
    addNote(s, {.start = 0.16, .freq = 440.0, .attack = 0.01, .decay = 0.26, .partials = kSoft});
    addNote(s, {.start = 0.16,
                .freq = 220.0,
                .amp = 0.35,
                .attack = 0.03,
                .decay = 0.3,
                .partials = kSoft});
    fadeEnds(s, 0.001, 0.12);
    normalizePeak(s, -6.0);
    return s;
}

Signal calling(std::size_t n) {
    Signal s(n);
    // The dial tone: 350 Hz and 440 Hz together, steady.
    addNote(s, {.freq = 350.0, .attack = 0.015});
    addNote(s, {.freq = 440.0, .attack = 0.015});
    fadeEnds(s, 0.001, 0.025);
    normalizePeak(s, -9.0);
    return s;
}

Signal error(std::size_t n) {
    Signal s(n);
    // Two short low buzzes: "uh-uh".
    const auto parts = buzzPartials(155.0, 2500.0);
    addNote(s,
            {.freq = 155.0, .attack = 0.004, .length = 0.105, .release = 0.012, .partials = parts});
    addNote(s, {.start = 0.135,
                .freq = 155.0,
                .attack = 0.004,
                .length = 0.115,
                .release = 0.015,
                .partials = parts});
    fadeEnds(s, 0.001, 0.008);
    normalizePeak(s, -10.0);  // a buzz sounds louder than its peak says
    return s;
}

Signal startup(std::size_t n) {
    Signal s(n);
    // C4, E4, G4, C5 strummed upward, each voice a slightly detuned pair for
    // warmth, and a soft E5 bell on top.
    const double notes[] = {261.63, 329.63, 392.00, 523.25};
    const double amps[] = {1.0, 0.85, 0.8, 0.7};
    for (int i = 0; i < 4; ++i)
        for (double detune : {0.9985, 1.0015})
            addNote(s, {.start = 0.05 * i,
                        .freq = notes[i] * detune,
                        .amp = amps[i],
                        .attack = 0.05,
                        .decay = 0.6,
                        .partials = kWarm});
    addNote(s, {.start = 0.22,
                .freq = 659.26,
                .amp = 0.45,
                .attack = 0.004,
                .decay = 0.35,
                .partials = kBell});
    fadeEnds(s, 0.002, 0.2);
    normalizePeak(s, -6.0);
    return s;
}

using Recipe = std::function<Signal(std::size_t)>;

Recipe recipeFor(const std::string& name) {
    if (name == "bluepiece") return bluePiece;
    if (name == "redpiece") return redPiece;
    if (name == "bluewins") return blueWins;
    if (name == "redwins") return redWins;
    if (name == "play") return playSound;
    if (name == "click") return click;
    if (name == "exit") return exitSound;
    if (name == "calling") return calling;
    if (name == "error") return error;
    if (name == "startup") return startup;
    throw std::invalid_argument("no recipe for " + name);
}

}  // namespace

const std::vector<EffectFormat>& effectFormats() {
    static const std::vector<EffectFormat> formats{
        {"bluepiece", "Wooden click: your piece", 1, 3828, 3872},
        {"redpiece", "Bright click: the opponent's piece", 1, 3052, 3096},
        {"bluewins", "Rising chime: you won", 1, 48462, 48506},
        {"redwins", "Falling tune: you lost", 1, 79008, 79052},
        {"play", "Click: Play", 1, 9196, 9240},
        {"click", "Tiny click: small buttons", 2, 888, 932},
        {"exit", "Closing: Exit", 1, 53728, 53772},
        {"calling", "Dial tone: calling", 1, 43200, 43296},
        {"error", "Buzz: error", 1, 22854, 22898},
        {"startup", "Warm chord: start-up", 1, 79104, 79148},
    };
    return formats;
}

PcmClip renderEffect(const EffectFormat& effect) {
    const std::size_t frames = effect.dataBytes / (2 * static_cast<std::size_t>(effect.channels));
    const Signal mono = recipeFor(effect.name)(frames);
    PcmClip clip;
    clip.channels = effect.channels;
    // Stereo effects sit in the middle: the same samples on both sides.
    for (std::int16_t v : toPcm16(mono))
        for (int c = 0; c < effect.channels; ++c)
            clip.samples.push_back(v);
    return clip;
}

}  // namespace gensounds

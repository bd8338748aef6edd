#pragma once
// Writes 16-bit PCM WAVE file images.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace gensounds {

struct PcmClip {
    int channels = 1;
    int sampleRate = 44100;
    std::vector<std::int16_t> samples;  // interleaved when stereo
};

// The canonical 44-byte header, the samples and, when fileBytes asks for
// more than that, a trailing LIST/INFO chunk naming the clip (`title`) that
// fills the file to exactly fileBytes. fileBytes 0 means no trailer.
std::vector<std::uint8_t> encodeWave(const PcmClip& clip, std::size_t fileBytes = 0,
                                     const std::string& title = {});

}  // namespace gensounds

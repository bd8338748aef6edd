#include "wavewriter.h"

#include <stdexcept>

namespace gensounds {

namespace {

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void putTag(std::vector<std::uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(tag[i]));
}

constexpr std::size_t kHeaderBytes = 44;
// LIST size, "INFO", "INAM" and its size: the least a named trailer takes
// besides its text.
constexpr std::size_t kTrailerOverhead = 20;

}  // namespace

std::vector<std::uint8_t> encodeWave(const PcmClip& clip, std::size_t fileBytes,
                                     const std::string& title) {
    const std::size_t dataBytes = clip.samples.size() * 2;
    const std::size_t plainBytes = kHeaderBytes + dataBytes;
    std::size_t trailerBytes = 0;
    if (fileBytes != 0 && fileBytes != plainBytes) {
        trailerBytes = fileBytes < plainBytes ? 0 : fileBytes - plainBytes;
        if (fileBytes < plainBytes || trailerBytes < kTrailerOverhead + 2 || trailerBytes % 2)
            throw std::invalid_argument("file size cannot be reached with a LIST chunk");
    }

    std::vector<std::uint8_t> out;
    out.reserve(plainBytes + trailerBytes);
    const auto blockAlign = static_cast<std::uint16_t>(clip.channels * 2);
    putTag(out, "RIFF");
    put32(out, static_cast<std::uint32_t>(plainBytes + trailerBytes - 8));
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, static_cast<std::uint16_t>(clip.channels));
    put32(out, static_cast<std::uint32_t>(clip.sampleRate));
    put32(out, static_cast<std::uint32_t>(clip.sampleRate) * blockAlign);
    put16(out, blockAlign);
    put16(out, 16);
    putTag(out, "data");
    put32(out, static_cast<std::uint32_t>(dataBytes));
    for (std::int16_t s : clip.samples)
        put16(out, static_cast<std::uint16_t>(s));

    if (trailerBytes) {
        // The name text is NUL-terminated and padded with NULs to fill.
        const std::size_t textBytes = trailerBytes - kTrailerOverhead;
        putTag(out, "LIST");
        put32(out, static_cast<std::uint32_t>(trailerBytes - 8));
        putTag(out, "INFO");
        putTag(out, "INAM");
        put32(out, static_cast<std::uint32_t>(textBytes));
        for (std::size_t i = 0; i < textBytes; ++i)
            out.push_back(i + 1 < textBytes && i < title.size()
                              ? static_cast<std::uint8_t>(title[i])
                              : std::uint8_t{0});
    }
    return out;
}

}  // namespace gensounds

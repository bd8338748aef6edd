#include "core/settings/settingscodec.h"

#include <algorithm>

namespace zelvan {

namespace {

void putInt32(std::vector<std::uint8_t>& out, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(u >> shift));
}

// Reads the fields in file order; each read that finds too few bytes left
// leaves its variable alone.
class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool has(std::size_t n) const { return size_ - pos_ >= n; }

    void int32(std::int32_t& v) {
        if (!has(4)) {
            pos_ = size_;
            return;
        }
        std::uint32_t u = 0;
        for (int k = 3; k >= 0; --k)
            u = (u << 8) | data_[pos_ + k];
        v = static_cast<std::int32_t>(u);
        pos_ += 4;
    }

    void byte(std::uint8_t& v) {
        if (has(1)) v = data_[pos_++];
    }

    std::size_t left() const { return size_ - pos_; }
    const std::uint8_t* here() const { return data_ + pos_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

std::int32_t sanitizedScore(std::int32_t v) {
    return std::clamp(v, 0, 9999);
}
std::uint8_t sanitizedFlag(std::uint8_t v) {
    return v ? 1 : 0;
}
std::uint8_t sanitizedCode(std::uint8_t v, std::uint8_t fallback) {
    return v >= 1 && v <= 3 ? v : fallback;
}
std::uint8_t sanitizedResult(std::uint8_t v) {
    return v == kBlue || v == kRed ? v : kNone;
}

}  // namespace

std::vector<std::uint8_t> encodeSettings(const Game& g) {
    const std::size_t n = g.peerAddress.size() % 256;
    std::vector<std::uint8_t> out;
    out.reserve(kSettingsFixedSize + n);
    putInt32(out, g.scoreBlue);
    putInt32(out, g.scoreRed);
    out.insert(out.end(), g.resultHistory.begin(), g.resultHistory.end());
    out.push_back(g.hintsOn);
    out.push_back(g.clocksOn);
    out.push_back(g.markRedMove);
    out.push_back(g.markBlueMove);
    out.push_back(g.computerLevel);
    out.push_back(g.pieceStyleChoice);
    out.push_back(g.redIsHuman);
    out.push_back(g.sizeCode);
    out.push_back(g.soundOff);
    out.push_back(g.listenOn);
    out.push_back(g.chatBoxOn);
    out.push_back(static_cast<std::uint8_t>(n));
    for (std::size_t i = 0; i < n; ++i)
        out.push_back(static_cast<std::uint8_t>(g.peerAddress[i]));
    return out;
}

void decodeSettings(const std::uint8_t* data, std::size_t size, Game& g) {
    Reader in(data, size);
    in.int32(g.scoreBlue);
    in.int32(g.scoreRed);
    for (auto& h : g.resultHistory)
        in.byte(h);
    in.byte(g.hintsOn);
    in.byte(g.clocksOn);
    in.byte(g.markRedMove);
    in.byte(g.markBlueMove);
    in.byte(g.computerLevel);
    in.byte(g.pieceStyle);
    in.byte(g.redIsHuman);
    in.byte(g.sizeCode);
    in.byte(g.soundOff);
    in.byte(g.listenOn);
    in.byte(g.chatBoxOn);
    if (in.has(1)) {
        std::uint8_t n = 0;
        in.byte(n);
        const std::size_t got = std::min<std::size_t>(n, in.left());
        g.peerAddress.assign(reinterpret_cast<const char*>(in.here()), got);
    }

    // The program never writes values outside these ranges; a damaged or
    // foreign file must not leave the board without a size or a score
    // outside the scoreboard.
    g.scoreBlue = sanitizedScore(g.scoreBlue);
    g.scoreRed = sanitizedScore(g.scoreRed);
    for (auto& h : g.resultHistory)
        h = sanitizedResult(h);
    g.hintsOn = sanitizedFlag(g.hintsOn);
    g.clocksOn = sanitizedFlag(g.clocksOn);
    g.markRedMove = sanitizedFlag(g.markRedMove);
    g.markBlueMove = sanitizedFlag(g.markBlueMove);
    g.computerLevel = sanitizedCode(g.computerLevel, 2);
    g.pieceStyle = sanitizedFlag(g.pieceStyle);
    g.redIsHuman = sanitizedFlag(g.redIsHuman);
    g.sizeCode = sanitizedCode(g.sizeCode, 1);
    g.soundOff = sanitizedFlag(g.soundOff);
    g.listenOn = sanitizedFlag(g.listenOn);
    g.chatBoxOn = sanitizedFlag(g.chatBoxOn);
}

void adoptLoadedStyle(Game& g) {
    g.pieceStyleChoice = g.pieceStyle;
}

}  // namespace zelvan

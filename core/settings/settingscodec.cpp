#include "core/settings/settingscodec.h"

#include <algorithm>
#include <string>

namespace zelvan {

namespace {

std::int32_t readInt32(const std::uint8_t* at) {
    std::uint32_t u = 0;
    for (int k = 3; k >= 0; --k)
        u = (u << 8) | at[k];
    return static_cast<std::int32_t>(u);
}

void putInt32(std::uint8_t* at, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int k = 0; k < 4; ++k)
        at[k] = static_cast<std::uint8_t>(u >> (8 * k));
}

}  // namespace

std::vector<std::uint8_t> encodeSettings(const Options& options, const Scores& scores) {
    const std::string& address = options.peerAddress();
    const std::size_t n = address.size() % 256;
    std::vector<std::uint8_t> out(kSettingsFixedSize + n);
    for (const SettingInfo& s : settingsTable()) {
        std::uint8_t* at = out.data() + s.offset;
        switch (s.kind) {
        case SettingKind::Score:
            putInt32(at, s.id == Setting::BlueScore ? scores.blue() : scores.red());
            break;
        case SettingKind::Results:
            std::copy(scores.results().begin(), scores.results().end(), at);
            break;
        case SettingKind::Flag:
        case SettingKind::Code:
        case SettingKind::Level:
            *at = static_cast<std::uint8_t>(options.get(s.id));
            break;
        case SettingKind::Address:
            *at = static_cast<std::uint8_t>(n);
            std::copy(address.begin(), address.begin() + std::ptrdiff_t(n), at + 1);
            break;
        }
    }
    return out;
}

void decodeSettings(const std::uint8_t* data, std::size_t size, Options& options, Scores& scores) {
    std::int32_t blue = scores.blue();
    std::int32_t red = scores.red();
    Results results = scores.results();
    for (const SettingInfo& s : settingsTable()) {
        const std::size_t left = size > s.offset ? size - s.offset : 0;
        if (left == 0) break;  // this and every later setting lie past the end
        const std::uint8_t* at = data + s.offset;
        switch (s.kind) {
        case SettingKind::Score:
            if (left >= 4) (s.id == Setting::BlueScore ? blue : red) = readInt32(at);
            break;
        case SettingKind::Results:
            // Each result byte the file holds counts, even in a cut file.
            std::copy(at, at + std::min(left, results.size()), results.begin());
            break;
        case SettingKind::Flag:
        case SettingKind::Code:
        case SettingKind::Level:
            options.set(s.id, *at);
            break;
        case SettingKind::Address:
            options.setPeerAddress(std::string(reinterpret_cast<const char*>(at + 1),
                                               std::min<std::size_t>(*at, left - 1)));
            break;
        }
    }
    scores.restore(blue, red, results);
}

}  // namespace zelvan

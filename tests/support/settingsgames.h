#pragma once
// Settings to store: the defaults, and settings whose stored values all
// differ from the defaults and from each other where the file allows it.

#include <string>
#include <vector>

#include "core/engine/scores.h"
#include "core/settings/options.h"
#include "core/settings/settingscodec.h"

namespace zelvan::test {

// What the settings file holds: the options and the scores.
struct Stored {
    Options options;
    Scores scores;

    std::vector<std::uint8_t> encoded() const { return encodeSettings(options, scores); }
    friend bool operator==(const Stored&, const Stored&) = default;
};

inline Stored defaultSettings() {
    return {};
}

inline Stored unusualSettings() {
    Stored s;
    s.scores.restore(1234, 9999, {85, 170, 0, 170, 85, 85, 0, 170, 0, 85});
    Options& o = s.options;
    o.set(Setting::Hints, 0);
    o.set(Setting::Clocks, 0);
    o.set(Setting::MarkRedMove, 0);
    o.set(Setting::MarkBlueMove, 1);
    o.set(Setting::Level, 3);
    o.set(Setting::PieceStyle, 0);
    o.set(Setting::RedIsHuman, 1);
    o.set(Setting::SizeCode, 3);
    o.set(Setting::SoundOff, 1);
    o.set(Setting::Listen, 0);
    o.set(Setting::ChatBox, 1);
    o.setPeerAddress("192.168.100.200");
    return s;
}

// A file's bytes read over the defaults.
inline Stored decoded(const std::vector<std::uint8_t>& bytes, Stored over = {}) {
    decodeSettings(bytes.data(), bytes.size(), over.options, over.scores);
    return over;
}

}  // namespace zelvan::test

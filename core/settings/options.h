#pragma once
// The options and the other one-byte settings the file stores, and the
// address last called. Every value stays in the range the settings table
// gives it; each setting's default and range come from there.

#include <array>
#include <cstdint>
#include <string>

#include "core/ai/level.h"
#include "core/settings/settingstable.h"

namespace zelvan {

class Options {
public:
    // Every setting at its default.
    Options();

    // A one-byte setting (a flag, a code or the level's number).
    int get(Setting id) const { return values_[static_cast<std::size_t>(id)]; }
    bool on(Setting id) const { return get(id) != 0; }
    // Takes `value` as the file's bytes are taken: out of range, it becomes
    // what the table says.
    void set(Setting id, int value);
    void flip(Setting id) { set(id, on(id) ? 0 : 1); }

    const Level& level() const { return *findLevel(get(Setting::Level)); }
    void nextLevel() { set(Setting::Level, zelvan::nextLevel(level()).number); }
    // The size of the next new board: 1, 2 or 3; after 3 comes 1 again.
    int sizeCode() const { return get(Setting::SizeCode); }
    void nextSize();
    bool soundOn() const { return !on(Setting::SoundOff); }
    bool redIsHuman() const { return on(Setting::RedIsHuman); }
    // The style the next game's pieces take: 1 crosses and rings, 0 balls.
    int pieceStyle() const { return get(Setting::PieceStyle); }

    // The address field's text as typed, any bytes; the file keeps its
    // length modulo 256.
    const std::string& peerAddress() const { return peerAddress_; }
    void setPeerAddress(std::string address) { peerAddress_ = std::move(address); }

    friend bool operator==(const Options&, const Options&) = default;

private:
    std::array<std::uint8_t, kSettingCount> values_{};
    std::string peerAddress_;
};

}  // namespace zelvan

#pragma once
// Every stored setting, declared once: its name, where the settings file
// zelvan.ini keeps it, the values it may take, its default, and for an
// option the captions its toggle shows. The defaults, the file's codec, the
// sanitiser, the options and Internet panels all read this table.
//
// The file is 30 + N bytes, no header, no padding, integers little-endian:
//
//   offset  size  setting
//        0     4  Blue's score
//        4     4  Red's score
//        8    10  the last ten results, newest first
//       18     1  hints
//       19     1  clocks
//       20     1  Red's last-move frame   (Red before Blue here, and only here)
//       21     1  Blue's last-move frame
//       22     1  computer level
//       23     1  piece style chosen for the next game
//       24     1  Red is a person
//       25     1  board size code
//       26     1  sound off
//       27     1  listen
//       28     1  chat box
//       29     1  N = length of the peer's address modulo 256
//       30     N  the first N characters of the peer's address

#include <cstddef>
#include <cstdint>
#include <span>

namespace zelvan {

enum class Setting : std::uint8_t {
    BlueScore,
    RedScore,
    Results,
    Hints,
    Clocks,
    MarkRedMove,
    MarkBlueMove,
    Level,
    PieceStyle,
    RedIsHuman,
    SizeCode,
    SoundOff,
    Listen,
    ChatBox,
    PeerAddress,
};
inline constexpr std::size_t kSettingCount = 15;

// How a setting is stored and what a value out of its range becomes.
enum class SettingKind : std::uint8_t {
    Score,    // 4 bytes, clamped to low..high
    Results,  // 10 bytes, each kNone, kBlue or kRed, else kNone
    Flag,     // 1 byte, 0 or 1; any other value reads as 1
    Code,     // 1 byte in low..high; any other value reads as the default
    Level,    // 1 byte, the number of a computer level (core/ai/level.h); else the default
    Address,  // a length byte and that many characters
};

struct SettingInfo {
    Setting id;
    const char* name;
    std::size_t offset;
    SettingKind kind;
    std::int32_t low;
    std::int32_t high;
    std::int32_t byDefault;
    // What the option's toggle says while the value is 1, and while it is
    // 0; null where the toggle's caption does not change.
    const char* captionWhenOn = nullptr;
    const char* captionWhenOff = nullptr;
    const char* textByDefault = nullptr;  // the address's default
};

// Every setting, in file order.
std::span<const SettingInfo> settingsTable();
const SettingInfo& settingInfo(Setting id);

// The caption the option's toggle shows for `value`.
const char* settingCaption(Setting id, int value);

// A stored value brought into the setting's range, as the file is read:
// see SettingKind. For a score, results byte or one-byte setting.
std::int32_t sanitised(const SettingInfo& s, std::int32_t stored);

inline constexpr std::size_t kSettingsFixedSize = 30;
// The longest file the program writes: the fixed part and a 255-character address.
inline constexpr std::size_t kSettingsMaxSize = kSettingsFixedSize + 255;

}  // namespace zelvan

#include "core/settings/settingstable.h"

#include <array>

#include "core/ai/level.h"

namespace zelvan {

namespace {

using K = SettingKind;

// clang-format off
constexpr std::array<SettingInfo, kSettingCount> kTable = {{
    {Setting::BlueScore,    "Blue's score",      0, K::Score,   0, 9999, 1000},
    {Setting::RedScore,     "Red's score",       4, K::Score,   0, 9999, 1000},
    {Setting::Results,      "last ten results",  8, K::Results, 0, 0,    0},
    {Setting::Hints,        "hints",            18, K::Flag,    0, 1,    1, "Hide hints", "Show hints"},
    {Setting::Clocks,       "clocks",           19, K::Flag,    0, 1,    1, "Hide clocks", "Show clocks"},
    {Setting::MarkRedMove,  "Red's last move",  20, K::Flag,    0, 1,    1, "Hide Red move", "Show Red move"},
    {Setting::MarkBlueMove, "Blue's last move", 21, K::Flag,    0, 1,    1, "Hide Blue move", "Show Blue move"},
    {Setting::Level,        "computer level",   22, K::Level,   0, 0,    kDefaultLevelNumber},
    {Setting::PieceStyle,   "piece style",      23, K::Flag,    0, 1,    1},
    {Setting::RedIsHuman,   "Red is a person",  24, K::Flag,    0, 1,    0},
    {Setting::SizeCode,     "board size",       25, K::Code,    1, 3,    1},
    {Setting::SoundOff,     "sound off",        26, K::Flag,    0, 1,    0, "Enable sound FX", "Disable sound FX"},
    {Setting::Listen,       "listen",           27, K::Flag,    0, 1,    1, "Stop listen", "Listen"},
    {Setting::ChatBox,      "chat box",         28, K::Flag,    0, 1,    0, "Hide chat box", "Show chat box"},
    {Setting::PeerAddress,  "peer's address",   29, K::Address, 0, 255,  0, nullptr, nullptr, "0.0.0.0"},
}};
// clang-format on

// The colour codes a result may hold (core/engine/pieces.h): Blue, Red.
constexpr std::int32_t kBlueResult = 85;
constexpr std::int32_t kRedResult = 170;

constexpr bool inFileOrder() {
    for (std::size_t i = 0; i < kTable.size(); ++i)
        if (static_cast<std::size_t>(kTable[i].id) != i ||
            (i > 0 && kTable[i].offset <= kTable[i - 1].offset))
            return false;
    return true;
}
static_assert(inFileOrder(), "the table lists the settings in enum and file order");

}  // namespace

std::span<const SettingInfo> settingsTable() {
    return kTable;
}

const SettingInfo& settingInfo(Setting id) {
    return kTable[static_cast<std::size_t>(id)];
}

std::int32_t sanitised(const SettingInfo& s, std::int32_t stored) {
    switch (s.kind) {
    case SettingKind::Score:
        return stored < s.low ? s.low : stored > s.high ? s.high : stored;
    case SettingKind::Results:
        return stored == kBlueResult || stored == kRedResult ? stored : 0;
    case SettingKind::Flag:
        return stored ? 1 : 0;
    case SettingKind::Code:
        return stored >= s.low && stored <= s.high ? stored : s.byDefault;
    case SettingKind::Level:
        return findLevel(stored) ? stored : s.byDefault;
    case SettingKind::Address:
        break;
    }
    return stored;
}

const char* settingCaption(Setting id, int value) {
    const SettingInfo& s = settingInfo(id);
    return value ? s.captionWhenOn : s.captionWhenOff;
}

}  // namespace zelvan

#include "core/settings/options.h"

namespace zelvan {

namespace {

bool oneByte(SettingKind kind) {
    return kind == SettingKind::Flag || kind == SettingKind::Code || kind == SettingKind::Level;
}

}  // namespace

Options::Options() {
    for (const SettingInfo& s : settingsTable())
        if (oneByte(s.kind)) values_[static_cast<std::size_t>(s.id)] = std::uint8_t(s.byDefault);
    peerAddress_ = settingInfo(Setting::PeerAddress).textByDefault;
}

void Options::set(Setting id, int value) {
    const SettingInfo& s = settingInfo(id);
    if (!oneByte(s.kind)) return;
    values_[static_cast<std::size_t>(id)] = std::uint8_t(sanitised(s, value));
}

void Options::nextSize() {
    const SettingInfo& s = settingInfo(Setting::SizeCode);
    set(Setting::SizeCode, sizeCode() >= s.high ? s.low : sizeCode() + 1);
}

}  // namespace zelvan

#include "core/engine/scores.h"

#include "core/settings/settingstable.h"

namespace zelvan {

namespace {

const SettingInfo& blueScore() {
    return settingInfo(Setting::BlueScore);
}
const SettingInfo& redScore() {
    return settingInfo(Setting::RedScore);
}

}  // namespace

Scores::Scores() : blue_(blueScore().byDefault), red_(redScore().byDefault) {}

void Scores::record(std::uint8_t won) {
    for (int i = 9; i >= 1; --i)
        results_[i] = results_[i - 1];
    results_[0] = won;

    int total = 0;
    int series = 0;
    for (int i = 0; i < 10; ++i) {
        if (results_[i] != won) continue;
        ++total;
        if (i == 0 || results_[i - 1] == won) ++series;
    }
    // Within range however far a score moves: the limits hold the points.
    if (won == kBlue) {
        blue_ = sanitised(blueScore(), blue_ + series);
        red_ = sanitised(redScore(), red_ - total);
    } else if (won == kRed) {
        red_ = sanitised(redScore(), red_ + series);
        blue_ = sanitised(blueScore(), blue_ - total);
    }
}

void Scores::reset() {
    blue_ = blueScore().byDefault;
    red_ = redScore().byDefault;
}

void Scores::restore(std::int32_t blue, std::int32_t red, const Results& results) {
    blue_ = sanitised(blueScore(), blue);
    red_ = sanitised(redScore(), red);
    const SettingInfo& r = settingInfo(Setting::Results);
    for (std::size_t i = 0; i < results.size(); ++i)
        results_[i] = std::uint8_t(sanitised(r, results[i]));
}

}  // namespace zelvan

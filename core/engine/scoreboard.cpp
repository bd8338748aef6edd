#include "core/engine/scoreboard.h"

namespace zelvan {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::int64_t kMsPerDay = kSecondsPerDay * 1000;

// Whole seconds in a non-negative count of milliseconds, halves to even.
std::int64_t roundedSeconds(std::int64_t ms) {
    std::int64_t s = ms / 1000;
    const std::int64_t rest = ms % 1000;
    if (rest > 500 || (rest == 500 && s % 2 == 1)) ++s;
    return s;
}

std::string twoDigitNumber(std::int64_t v) {
    return twoDigits(std::to_string(v));
}

}  // namespace

std::int32_t scoreTick(std::int32_t shown, std::int32_t real) {
    std::int64_t d = shown;  // wide, so a step near the type's ends cannot overflow
    const std::int64_t t = real;
    if (d < t) {
        if (d + 100 < t) d += 100;
        if (d + 10 < t) d += 10;
        d += 1;
    }
    if (t < d) {
        if (d - 100 > t) d -= 100;
        if (d - 10 > t) d -= 10;
        d -= 1;
    }
    return static_cast<std::int32_t>(d);
}

std::string twoDigits(const std::string& text) {
    return text.size() == 1 ? "0" + text : text;
}

std::string timeOfDayText(std::int64_t msSinceMidnight) {
    const std::int64_t ms = (msSinceMidnight % kMsPerDay + kMsPerDay) % kMsPerDay;
    // Rounding can reach the next midnight; that is 00:00 of the new day.
    std::int64_t s = roundedSeconds(ms) % kSecondsPerDay;
    const std::int64_t h = s / 3600;
    s -= h * 3600;
    return twoDigitNumber(h) + ":" + twoDigitNumber(s / 60);
}

std::int64_t msUntilClockChange(std::int64_t nowMs, std::int64_t unitMs) {
    // Seconds round at the half, so a shown unit turns half a second early;
    // one millisecond more lands safely past a half rounded to even.
    const std::int64_t shifted = nowMs + 500;
    const std::int64_t next = ((shifted - 1) / unitMs + 1) * unitMs;
    return next - shifted + 1;
}

std::string gameClockText(std::int64_t elapsedMs) {
    if (elapsedMs < 0) return "00:00";
    const std::int64_t e = roundedSeconds(elapsedMs) % 3600;
    return twoDigitNumber(e / 60) + ":" + twoDigitNumber(e % 60);
}

}  // namespace zelvan
